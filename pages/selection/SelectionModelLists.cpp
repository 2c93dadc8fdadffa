#include "pages/selection/SelectionModelLists.h"

#include "engine/ModelLists.h"

void TBuiltInModelLists::FillComboBoxDim(TCoolerType Series, const QString& RpmWord,
                                         QStringList& cbTypeCoolerData,
                                         QStringList& cbShadow) const {
    FillSeriesModelList(Series, RpmWord, cbTypeCoolerData, cbShadow);
}

const TSelectionModelLists& BuiltInModelLists() {
    static const TBuiltInModelLists lists;
    return lists;
}
