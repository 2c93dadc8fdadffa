#include "pages/selection/SelectionSettings.h"

#include "settings/RegRoutines.h"

bool TRegSelectionSettings::GetRegInteger(int32_t& Int, const QString& EndPath,
                                          const QString& RegValue) const {
    return TRegRoutines().GetRegInteger(Int, EndPath, RegValue);
}

bool TRegSelectionSettings::SetRegInteger(int32_t Int, const QString& EndPath,
                                          const QString& RegValue) {
    return TRegRoutines().SetRegInteger(Int, EndPath, RegValue);
}

QString TMemorySelectionSettings::Name(const QString& EndPath, const QString& RegValue) {
    return (EndPath + QLatin1Char('|') + RegValue).toLower();
}

bool TMemorySelectionSettings::GetRegInteger(int32_t& Int, const QString& EndPath,
                                             const QString& RegValue) const {
    const auto found = Values.constFind(Name(EndPath, RegValue));
    if (found == Values.cend())
        return false;
    Int = *found;
    return true;
}

bool TMemorySelectionSettings::SetRegInteger(int32_t Int, const QString& EndPath,
                                             const QString& RegValue) {
    Values.insert(Name(EndPath, RegValue), Int);
    return true;
}
