#include "texts/MenuHotkey.h"

#include "texts/Language.h"

#include "tests/texts/TableTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct HotkeyCase {
    const char* Name;
    QString Text;
    QStringList Siblings;
    QString Expected;
};

class HotkeyChoice : public ::testing::TestWithParam<HotkeyCase> {};

TEST_P(HotkeyChoice, MarksTheFirstCharacterNoSiblingUses) {
    EXPECT_EQ(CaptionWithHotkey(GetParam().Text, GetParam().Siblings), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, HotkeyChoice,
    ::testing::Values(
        HotkeyCase{"FirstCharacterFree", "File", {"A&bout"}, "&File"},
        HotkeyCase{"TakenCharacterSkipped", "Capacity", {"&Cooler"}, "C&apacity"},
        HotkeyCase{"CaseMatters", "Printer", {"S&pråk"}, "&Printer"},
        HotkeyCase{"BlankNeverChosen", "C D", {"&C", "&D"}, "C D"},
        HotkeyCase{"BlankSkippedForTheNextFree", "C x", {"&C"}, "C &x"},
        HotkeyCase{"EveryCharacterTaken", "ab", {"&a", "&b"}, "ab"},
        HotkeyCase{"EmptyTextGetsNoAccelerator", "", {"&a"}, ""},
        HotkeyCase{"OnlyTheFirstAmpersandOfASiblingCounts", "ab", {"&b&a"}, "&ab"},
        HotkeyCase{"SiblingsWithoutAmpersandTakeNothing", "Power", {"Power", "-"}, "&Power"},
        HotkeyCase{"AmpersandAtTheEndTakesNothing", "x", {"x&"}, "&x"},
        HotkeyCase{
            "AmpersandBeyond200CharactersTakesNothing", "x", {QString(199, u'-') + "&x"}, "&x"},
        HotkeyCase{"AmpersandWithin200CharactersCounts", "xy", {QString(198, u'-') + "&x"}, "x&y"}),
    [](const auto& info) { return std::string(info.param.Name); });

// The window's menu as far as accelerators go: the two top-level items and the File sub-menu
// with its separators, holding the captions the window is created with.
class MenuCaptions : public ::testing::Test {
protected:
    QStringList TopLevel{"&Arkiv", "A&bout"};
    QStringList FileMenu{"&Kylare", "Power",        "&Mått", "-",       "S&pråk",
                         "-",       "&Skrivare...", "-",     "A&vsluta"};

    static void SetCaption(QStringList& Items, qsizetype Index, const QString& Text) {
        Items[Index] = Text;
        QStringList siblings = Items;
        siblings.removeAt(Index);
        Items[Index] = CaptionWithHotkey(Text, siblings);
    }

    // The menu captions of the main group in the order the window applies them.
    void ApplyMainGroup(TLanguageType Language) {
        TLanguage store;
        store.SetLanguageType(Language);
        store.NewPageText(MainGroup);
        SetCaption(TopLevel, 0, store.GetTxt("1"));
        SetCaption(FileMenu, 0, store.GetTxt("2"));
        SetCaption(FileMenu, 1, store.GetTxt("3"));
        SetCaption(FileMenu, 2, store.GetTxt("4"));
        SetCaption(FileMenu, 4, store.GetTxt("6"));
        SetCaption(FileMenu, 6, store.GetTxt("7"));
        SetCaption(FileMenu, 8, store.GetTxt("8"));
        SetCaption(TopLevel, 1, store.GetTxt("11"));
    }

    const QStringList EnglishTopLevel{"&File", "&About"};
    const QStringList EnglishFileMenu{"&Cooler selection",
                                      "C&apacity calculation",
                                      "&Dimensions",
                                      "-",
                                      "&Language",
                                      "-",
                                      "&Printer",
                                      "-",
                                      "&Exit"};
};

TEST_F(MenuCaptions, FirstEnglishApplicationMarksTheWorkedExampleLetters) {
    ApplyMainGroup(ENGLISH);
    EXPECT_EQ(TopLevel, EnglishTopLevel);
    EXPECT_EQ(FileMenu, EnglishFileMenu);
}

TEST_F(MenuCaptions, ApplyingEnglishAgainKeepsTheSameLetters) {
    ApplyMainGroup(ENGLISH);
    ApplyMainGroup(ENGLISH);
    EXPECT_EQ(TopLevel, EnglishTopLevel);
    EXPECT_EQ(FileMenu, EnglishFileMenu);
}

TEST_F(MenuCaptions, LanguageWithoutTablesLeavesEmptyCaptions) {
    ApplyMainGroup(ENGLISH);
    ApplyMainGroup(FINNISH);
    EXPECT_EQ(TopLevel, (QStringList{"", ""}));
    EXPECT_EQ(FileMenu, (QStringList{"", "", "", "-", "", "-", "", "-", ""}));
}

} // namespace
