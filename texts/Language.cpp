#include "texts/Language.h"

#include "texts/PageTexts.h"
#include "texts/TextLimits.h"

void TLanguage::Initiate() {
    Texts.clear();
}

void TLanguage::SetLanguageType(TLanguageType Language) {
    ThisLanguageType = Language;
}

TLanguageType TLanguage::GetLanguageType() const {
    return ThisLanguageType;
}

void TLanguage::NewPageText(TLanguagePageType LanguagePage) {
    LastLanguagePage = LanguagePage;
    Texts.clear();
    LoadPageTexts(ThisLanguageType, LanguagePage, Texts);
}

TLanguagePageType TLanguage::GetLastLanguagePage() const {
    return LastLanguagePage;
}

QString TLanguage::GetTxt(const TTxtNoStr& TxtNoStr) const {
    return FindText(Texts, TxtNoStr);
}

QString FindText(const QStringList& Lines, const TTxtNoStr& Key) {
    for (const QString& line : Lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        if (QStringView(line).left(equals).compare(Key.str(), Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1, MaxTextLength);
    }
    return {};
}
