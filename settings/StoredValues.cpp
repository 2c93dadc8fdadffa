#include "settings/StoredValues.h"

bool TRegStoredValues::GetRegInteger(int32_t& Int, const QString& EndPath,
                                     const QString& RegValue) const {
    return Reg.GetRegInteger(Int, EndPath, RegValue);
}

bool TRegStoredValues::SetRegInteger(int32_t Int, const QString& EndPath, const QString& RegValue) {
    return Reg.SetRegInteger(Int, EndPath, RegValue);
}

QString TRegStoredValues::GetRegString(const QString& EndPath, const QString& RegValue) const {
    return Reg.GetRegString(EndPath, RegValue);
}

bool TRegStoredValues::SetRegString(const QString& Str, const QString& EndPath,
                                    const QString& RegValue) {
    return Reg.SetRegString(Str, EndPath, RegValue);
}

QString TMemoryStoredValues::Name(const QString& EndPath, const QString& RegValue) {
    return (EndPath + QLatin1Char('|') + RegValue).toLower();
}

bool TMemoryStoredValues::GetRegInteger(int32_t& Int, const QString& EndPath,
                                        const QString& RegValue) const {
    const auto found = Values.constFind(Name(EndPath, RegValue));
    const int32_t* value = found == Values.cend() ? nullptr : std::get_if<int32_t>(&*found);
    if (!value)
        return false;
    Int = *value;
    return true;
}

bool TMemoryStoredValues::SetRegInteger(int32_t Int, const QString& EndPath,
                                        const QString& RegValue) {
    Values.insert(Name(EndPath, RegValue), Int);
    return true;
}

QString TMemoryStoredValues::GetRegString(const QString& EndPath, const QString& RegValue) const {
    const auto found = Values.constFind(Name(EndPath, RegValue));
    const QString* text = found == Values.cend() ? nullptr : std::get_if<QString>(&*found);
    return text ? *text : QString();
}

bool TMemoryStoredValues::SetRegString(const QString& Str, const QString& EndPath,
                                       const QString& RegValue) {
    Values.insert(Name(EndPath, RegValue), Str);
    return true;
}
