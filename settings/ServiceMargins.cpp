#include "settings/ServiceMargins.h"

#include "core/EngineState.h"
#include "settings/StoredValues.h"

namespace {
const QString Page1Key = QStringLiteral("\\Page1");
const QString OilMaxOilDevValue = QStringLiteral("OilMaxOilDev");
const QString OutputOilAirDevValue = QStringLiteral("OutputOilAirDev");
} // namespace

void ReadServiceMargins(const TStoredValues& Store) {
    const TEngineState defaults; // a fresh engine state holds the defaults
    int32_t oilMaxOilDev = defaults.OilMaxOilDev;
    int32_t outputOilAirDev = defaults.OutputOilAirDev;
    Store.GetRegInteger(oilMaxOilDev, Page1Key, OilMaxOilDevValue);
    Store.GetRegInteger(outputOilAirDev, Page1Key, OutputOilAirDevValue);
    EngineState().OilMaxOilDev = oilMaxOilDev;
    EngineState().OutputOilAirDev = outputOilAirDev;
}

bool StoreServiceMargins(TStoredValues& Store) {
    const bool oilMaxOilDev =
        Store.SetRegInteger(EngineState().OilMaxOilDev, Page1Key, OilMaxOilDevValue);
    return Store.SetRegInteger(EngineState().OutputOilAirDev, Page1Key, OutputOilAirDevValue) &&
           oilMaxOilDev;
}
