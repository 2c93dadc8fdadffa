#include "pages/printsetup/PrintSetupSettings.h"

#include "settings/RegRoutines.h"

namespace {
const QString PrintPageKey = QStringLiteral("\\PrintPage");
const QString LanguageValue = QStringLiteral("LocalLaguage");
const QString YourRefValue = QStringLiteral("YourRef");
const QString OurRefValue = QStringLiteral("OurRef");

QString StoredReference(const QString& Value) {
    QString text;
    TRegRoutines().GetRegShortString(text, TPrintSetupSettings::MaxReferenceLength, PrintPageKey,
                                     Value);
    return text;
}
} // namespace

std::optional<int32_t> TRegPrintSetupSettings::ReportLanguage() const {
    int32_t language = 0;
    if (!TRegRoutines().GetRegInteger(language, PrintPageKey, LanguageValue))
        return std::nullopt;
    return language;
}

QString TRegPrintSetupSettings::YourRef() const {
    return StoredReference(YourRefValue);
}

QString TRegPrintSetupSettings::OurRef() const {
    return StoredReference(OurRefValue);
}

void TRegPrintSetupSettings::Store(int32_t Language, const QString& OurRef,
                                   const QString& YourRef) {
    const TRegRoutines store;
    store.SetRegInteger(Language, PrintPageKey, LanguageValue);
    store.SetRegString(OurRef, PrintPageKey, OurRefValue);
    store.SetRegString(YourRef, PrintPageKey, YourRefValue);
}

void TMemoryPrintSetupSettings::Store(int32_t Language, const QString& OurRef,
                                      const QString& YourRef) {
    this->Language = Language;
    Our = OurRef;
    Your = YourRef;
}
