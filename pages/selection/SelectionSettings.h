#pragma once

#include <QHash>
#include <QString>

#include <cstdint>

// The subkeys of the page's stored values: its own, and the dimensions page's, which follows
// the series and model left on the selection page.
inline const QString Page1Key = QStringLiteral("\\Page1");
inline const QString Page3Key = QStringLiteral("\\Page3");

// The stored values the selection page reads and writes: the remembered series, model, grade,
// units and calculation mode. The window keeps them in the user's settings store; the
// command-line tool and the tests keep them in memory, so they never touch a user's settings.
class TSelectionSettings {
public:
    virtual ~TSelectionSettings() = default;
    // True with Int set when the value exists; otherwise false and Int unchanged.
    virtual bool GetRegInteger(int32_t& Int, const QString& EndPath,
                               const QString& RegValue) const = 0;
    virtual bool SetRegInteger(int32_t Int, const QString& EndPath, const QString& RegValue) = 0;
};

// The user's settings store (TRegRoutines).
class TRegSelectionSettings : public TSelectionSettings {
public:
    bool GetRegInteger(int32_t& Int, const QString& EndPath,
                       const QString& RegValue) const override;
    bool SetRegInteger(int32_t Int, const QString& EndPath, const QString& RegValue) override;
};

// Values that live as long as this object. Names match without regard to letter case, as in
// the settings store.
class TMemorySelectionSettings : public TSelectionSettings {
public:
    bool GetRegInteger(int32_t& Int, const QString& EndPath,
                       const QString& RegValue) const override;
    bool SetRegInteger(int32_t Int, const QString& EndPath, const QString& RegValue) override;

private:
    static QString Name(const QString& EndPath, const QString& RegValue);
    QHash<QString, int32_t> Values;
};
