#pragma once

#include "core/CodePoints.h"
#include "settings/RegRoutines.h"

#include <QString>

#include <cstdint>
#include <optional>

// The print setup's stored values under "\PrintPage": the report language ("LocalLaguage", a
// language ordinal) and the two references ("YourRef", "OurRef", at most 50 characters). The
// window keeps them in the user's settings store; the command-line tool and the tests in
// memory, so they never touch a user's settings. Reads that fail give nothing or empty texts;
// failed writes leave the stored values as they were, without a word.
class TPrintSetupSettings {
public:
    static constexpr int MaxReferenceLength = 50;

    virtual ~TPrintSetupSettings() = default;
    virtual std::optional<int32_t> ReportLanguage() const = 0;
    virtual QString YourRef() const = 0;
    virtual QString OurRef() const = 0;
    // The language first, then our reference, then yours.
    virtual void Store(int32_t Language, const QString& OurRef, const QString& YourRef) = 0;
};

// The user's settings store (TRegRoutines), in the files `Roots` names.
class TRegPrintSetupSettings : public TPrintSetupSettings {
public:
    explicit TRegPrintSetupSettings(const TSettingsRoots& Roots) : Reg(Roots) {}

    std::optional<int32_t> ReportLanguage() const override;
    QString YourRef() const override;
    QString OurRef() const override;
    void Store(int32_t Language, const QString& OurRef, const QString& YourRef) override;

private:
    TRegRoutines Reg;
};

class TMemoryPrintSetupSettings : public TPrintSetupSettings {
public:
    std::optional<int32_t> ReportLanguage() const override { return Language; }
    QString YourRef() const override { return LeftCodePoints(Your, MaxReferenceLength); }
    QString OurRef() const override { return LeftCodePoints(Our, MaxReferenceLength); }
    void Store(int32_t Language, const QString& OurRef, const QString& YourRef) override;

    std::optional<int32_t> Language;
    QString Your;
    QString Our;
};
