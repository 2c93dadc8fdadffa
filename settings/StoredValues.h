#pragma once

#include "settings/RegRoutines.h"
#include "settings/SettingsTree.h"

#include <QHash>
#include <QString>

#include <cstdint>

// The stored values a page or dialog reads and writes, addressed as in TRegRoutines. The
// window keeps them in the user's settings store; the tests and the command-line tool keep
// them in memory, so they never touch a user's settings.
class TStoredValues {
public:
    virtual ~TStoredValues() = default;
    // True with Int set when the value exists as an integer; otherwise false, Int unchanged.
    virtual bool GetRegInteger(int32_t& Int, const QString& EndPath,
                               const QString& RegValue) const = 0;
    virtual bool SetRegInteger(int32_t Int, const QString& EndPath, const QString& RegValue) = 0;
    // Empty when the value is missing or no text.
    virtual QString GetRegString(const QString& EndPath, const QString& RegValue) const = 0;
    virtual bool SetRegString(const QString& Str, const QString& EndPath,
                              const QString& RegValue) = 0;
};

// The user's settings store, in the files `Roots` names.
class TRegStoredValues : public TStoredValues {
public:
    explicit TRegStoredValues(const TSettingsRoots& Roots) : Reg(Roots) {}

    bool GetRegInteger(int32_t& Int, const QString& EndPath,
                       const QString& RegValue) const override;
    bool SetRegInteger(int32_t Int, const QString& EndPath, const QString& RegValue) override;
    QString GetRegString(const QString& EndPath, const QString& RegValue) const override;
    bool SetRegString(const QString& Str, const QString& EndPath, const QString& RegValue) override;

private:
    TRegRoutines Reg;
};

// Values that live as long as this object. Names match without regard to letter case, as in
// the settings store; every write succeeds.
class TMemoryStoredValues : public TStoredValues {
public:
    bool GetRegInteger(int32_t& Int, const QString& EndPath,
                       const QString& RegValue) const override;
    bool SetRegInteger(int32_t Int, const QString& EndPath, const QString& RegValue) override;
    QString GetRegString(const QString& EndPath, const QString& RegValue) const override;
    bool SetRegString(const QString& Str, const QString& EndPath, const QString& RegValue) override;

private:
    static QString Name(const QString& EndPath, const QString& RegValue);
    QHash<QString, TRegData> Values;
};
