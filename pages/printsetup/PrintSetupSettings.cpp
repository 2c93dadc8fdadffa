#include "pages/printsetup/PrintSetupSettings.h"

namespace {
const QString PrintPageKey = QStringLiteral("\\PrintPage");
const QString LanguageValue = QStringLiteral("LocalLaguage");
const QString YourRefValue = QStringLiteral("YourRef");
const QString OurRefValue = QStringLiteral("OurRef");

QString StoredReference(const TRegRoutines& Reg, const QString& Value) {
    QString text;
    Reg.GetRegShortString(text, TPrintSetupSettings::MaxReferenceLength, PrintPageKey, Value);
    return text;
}
} // namespace

std::optional<int32_t> TRegPrintSetupSettings::ReportLanguage() const {
    int32_t language = 0;
    if (!Reg.GetRegInteger(language, PrintPageKey, LanguageValue))
        return std::nullopt;
    return language;
}

QString TRegPrintSetupSettings::YourRef() const {
    return StoredReference(Reg, YourRefValue);
}

QString TRegPrintSetupSettings::OurRef() const {
    return StoredReference(Reg, OurRefValue);
}

void TRegPrintSetupSettings::Store(int32_t Language, const QString& OurRef,
                                   const QString& YourRef) {
    Reg.SetRegInteger(Language, PrintPageKey, LanguageValue);
    Reg.SetRegString(OurRef, PrintPageKey, OurRefValue);
    Reg.SetRegString(YourRef, PrintPageKey, YourRefValue);
}

void TMemoryPrintSetupSettings::Store(int32_t Language, const QString& OurRef,
                                      const QString& YourRef) {
    this->Language = Language;
    Our = OurRef;
    Your = YourRef;
}
