#include "texts/Language.h"

#include "tests/texts/TableTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The lookup rules, on lines the built-in tables do not happen to contain.
struct FindTextCase {
    const char* Name;
    QStringList Lines;
    QString Key;
    QString Expected;
};

class FindTextRules : public ::testing::TestWithParam<FindTextCase> {};

TEST_P(FindTextRules, AnswersByTheFirstLineWithTheWholeKey) {
    EXPECT_EQ(FindText(GetParam().Lines, GetParam().Key), GetParam().Expected);
}

const QString LongText = QString(300, u'x');

INSTANTIATE_TEST_SUITE_P(
    Lookup, FindTextRules,
    ::testing::Values(
        FindTextCase{"KeyFound", {"1=File", "10=Start"}, "10", "Start"},
        FindTextCase{"KeyIsNotAPrefix", {"10=Start"}, "1", ""},
        FindTextCase{"LongerKeyIsNotAPrefixEither", {"1=File"}, "10", ""},
        FindTextCase{"MissingKey", {"1=File"}, "99", ""},
        FindTextCase{"EmptyText", {"12=", "12=later"}, "12", ""},
        FindTextCase{"FirstDuplicateWins", {"5=first", "5="}, "5", "first"},
        FindTextCase{"LineWithoutEqualsNeverMatches", {"7", "7=seven"}, "7", "seven"},
        FindTextCase{"TextKeepsLaterEqualsSigns", {"3=a=b"}, "3", "a=b"},
        FindTextCase{"TextKeepsTrailingBlankAndAmpersand", {"20=&Selected "}, "20", "&Selected "},
        FindTextCase{"LetterCaseIgnored", {"ab=x"}, "AB", "x"},
        FindTextCase{"KeyCutToFourCharacters", {"1234=four"}, "12345", "four"},
        FindTextCase{"TextCutTo255Characters", {"1=" + LongText}, "1", LongText.left(255)},
        FindTextCase{"EmptyPage", {}, "1", ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(TxtNoStr, KeepsAtMostFourCharacters) {
    EXPECT_EQ(TTxtNoStr("12345").str(), "1234");
    EXPECT_EQ(TTxtNoStr("35").str(), "35");
}

// The store over the built-in tables.
struct StoreCase {
    const char* Name;
    TLanguageType Language;
    TLanguagePageType Page;
    QString Key;
    QString Expected;
};

class StoreLookup : public ::testing::TestWithParam<StoreCase> {};

TEST_P(StoreLookup, AnswersFromTheLoadedPage) {
    EXPECT_EQ(TextOf(GetParam().Language, GetParam().Page, GetParam().Key), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    BuiltInTables, StoreLookup,
    ::testing::Values(StoreCase{"File", ENGLISH, MainGroup, "1", "File"},
                      StoreCase{"Start", ENGLISH, MainGroup, "10", "Start"},
                      StoreCase{"EmptyText", ENGLISH, MainGroup, "12", ""},
                      StoreCase{"MissingKey", ENGLISH, MainGroup, "99", ""},
                      StoreCase{"LongKeyCut", ENGLISH, MainGroup, "12345", ""},
                      StoreCase{"TrailingBlankKept", ENGLISH, Page_1, "1", "Cooler type "},
                      StoreCase{"AmpersandKept", ENGLISH, Page_1, "20", "&Selected"},
                      StoreCase{"PageWithoutTable", ENGLISH, Page_4, "1", ""},
                      StoreCase{"LanguageWithoutTables", FINNISH, MainGroup, "1", ""},
                      StoreCase{"KeyBeyondTheLanguagesTable", GERMAN, MainGroup, "31", ""},
                      StoreCase{"DuplicatedKeyFirstWins", POLISH, Page_2, "5",
                                "Wielkosc ta okresla wymagana pojemnosc cieplna chlodnicy"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(LanguageStore, StartsInEnglishOnMainGroupWithNoTexts) {
    TLanguage store;
    EXPECT_EQ(store.GetLanguageType(), ENGLISH);
    EXPECT_EQ(store.GetLastLanguagePage(), MainGroup);
    EXPECT_EQ(store.GetTxt("1"), "");
}

TEST(LanguageStore, InitiateEmptiesTheLoadedPage) {
    TLanguage store;
    store.NewPageText(MainGroup);
    store.Initiate();
    EXPECT_EQ(store.GetTxt("1"), "");
}

TEST(LanguageStore, LanguageChangeReachesTheTextsOnlyAtTheNextPageLoad) {
    TLanguage store;
    store.NewPageText(MainGroup);

    store.SetLanguageType(AUS_ENGLISH);
    EXPECT_EQ(store.GetLanguageType(), AUS_ENGLISH);
    EXPECT_EQ(store.GetTxt("3"), "Capacity calculation");

    store.NewPageText(MainGroup);
    EXPECT_EQ(store.GetTxt("3"), "Cooling required calculation");
}

TEST(LanguageStore, PageWithoutTableEmptiesThePageInEveryLanguage) {
    for (int language = 0; language < LanguageTypeCount; ++language) {
        SCOPED_TRACE(language);
        TLanguage store;
        store.SetLanguageType(static_cast<TLanguageType>(language));
        store.NewPageText(AboutSec);
        store.NewPageText(Page_4);
        EXPECT_EQ(store.GetLastLanguagePage(), Page_4);
        EXPECT_EQ(store.GetTxt("3"), "");
    }
}

TEST(LanguageStore, LanguageWithoutTablesAnswersEveryKeyEmpty) {
    TLanguage store;
    store.NewPageText(Page_1);
    store.SetLanguageType(FINNISH);
    store.NewPageText(MainGroup);
    EXPECT_EQ(store.GetLastLanguagePage(), MainGroup);
    for (int key = 1; key <= 35; ++key)
        EXPECT_EQ(store.GetTxt(QString::number(key)), "") << "key " << key;
}

// A damaged stored language or page ordinal must give empty texts, not a crash.
TEST(LanguageStore, OrdinalsOutsideTheEnumerationsGiveAnEmptyPage) {
    TLanguage store;
    store.SetLanguageType(static_cast<TLanguageType>(200));
    store.NewPageText(MainGroup);
    EXPECT_EQ(store.GetTxt("1"), "");

    store.SetLanguageType(ENGLISH);
    store.NewPageText(static_cast<TLanguagePageType>(77));
    EXPECT_EQ(store.GetLastLanguagePage(), static_cast<TLanguagePageType>(77));
    EXPECT_EQ(store.GetTxt("1"), "");
}

} // namespace
