#include "pages/dimensions/DimensionsSettings.h"

#include <QString>

namespace {

const QString Page3Key = QStringLiteral("\\Page3");
const QString CoolerTypeValue = QStringLiteral("CoolerType");
const QString CoolerTypeComboValue = QStringLiteral("CoolerTypeCombo");

} // namespace

TCoolerType TRegDimensionsSettings::StoredSeries() const {
    return Reg.GetRegCoolerType(Page3Key);
}

int32_t TRegDimensionsSettings::StoredModel() const {
    int32_t model = 0;
    Reg.GetRegInteger(model, Page3Key, CoolerTypeComboValue);
    return model;
}

void TRegDimensionsSettings::Store(int32_t Series, int32_t Model) {
    Reg.SetRegInteger(Series, Page3Key, CoolerTypeValue);
    Reg.SetRegInteger(Model, Page3Key, CoolerTypeComboValue);
}
