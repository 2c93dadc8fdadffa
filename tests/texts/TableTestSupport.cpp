#include "tests/texts/TableTestSupport.h"

#include "texts/Language.h"
#include "texts/PageTexts.h"
#include "texts/TableNames.h"

const std::vector<TLanguageType>& TableLanguages() {
    static const std::vector<TLanguageType> languages = {
        ENGLISH, US_ENGLISH, AUS_ENGLISH, GERMAN, DUTCH,   FRANCE,
        POLISH,  SWEDISH,    SPANISH,     DANISH, ITALIAN, NORWEGIAN,
    };
    return languages;
}

const std::vector<TLanguageType>& TranslatedLanguages() {
    static const std::vector<TLanguageType> languages = {
        GERMAN, DUTCH, FRANCE, POLISH, SWEDISH, SPANISH, DANISH, ITALIAN, NORWEGIAN,
    };
    return languages;
}

const std::vector<TLanguagePageType>& TablePages() {
    static const std::vector<TLanguagePageType> pages = {
        MainGroup, Page_1, Page_2, Page_3, Page_5, AboutSec,
    };
    return pages;
}

std::vector<TLanguagePageType> AllPages() {
    std::vector<TLanguagePageType> pages;
    for (int page = 0; page < LanguagePageTypeCount; ++page)
        pages.push_back(static_cast<TLanguagePageType>(page));
    return pages;
}

QStringList TableOf(TLanguageType Language, TLanguagePageType Page) {
    QStringList lines;
    LoadPageTexts(Language, Page, lines);
    return lines;
}

QString TextOf(TLanguageType Language, TLanguagePageType Page, const QString& Key) {
    TLanguage store;
    store.SetLanguageType(Language);
    store.NewPageText(Page);
    return store.GetTxt(Key);
}

QString KeyOf(const QString& Line) {
    return Line.section(u'=', 0, 0);
}

std::string TableLabel(TLanguageType Language, TLanguagePageType Page) {
    return (LanguageTypeName(Language) + u'/' + LanguagePageTypeName(Page)).toStdString();
}

std::string TextLabel(TLanguageType Language, TLanguagePageType Page, const QString& Key) {
    return TableLabel(Language, Page) + " key " + Key.toStdString();
}
