#include "settings/ServiceMargins.h"

#include "settings/StoredValues.h"

namespace {
const QString Page1Key = QStringLiteral("\\Page1");
const QString OilMaxOilDevValue = QStringLiteral("OilMaxOilDev");
const QString OutputOilAirDevValue = QStringLiteral("OutputOilAirDev");
} // namespace

TServiceMargins ReadServiceMargins(const TStoredValues& Store) {
    TServiceMargins margins;
    Store.GetRegInteger(margins.OilMaxOilDev, Page1Key, OilMaxOilDevValue);
    Store.GetRegInteger(margins.OutputOilAirDev, Page1Key, OutputOilAirDevValue);
    return margins;
}

bool StoreServiceMargins(TStoredValues& Store, const TServiceMargins& Margins) {
    const bool oilMaxOilDev =
        Store.SetRegInteger(Margins.OilMaxOilDev, Page1Key, OilMaxOilDevValue);
    return Store.SetRegInteger(Margins.OutputOilAirDev, Page1Key, OutputOilAirDevValue) &&
           oilMaxOilDev;
}
