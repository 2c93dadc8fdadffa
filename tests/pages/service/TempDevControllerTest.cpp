#include "tests/pages/service/ServiceTestDialogs.h"

#include "core/MessageService.h"

#include <gtest/gtest.h>

namespace {

using M = TMarginEntry;

class MarginsDialog : public testing::Test {
protected:
    MarginsDialog() { Dialog.Logic.FormShow({4, 11}); }

    QString Text(M entry) const { return Dialog.Form.EntryText(entry); }

    TRecordingMessages Shown;
    TTempDevDialog Dialog{Shown};
};

TEST_F(MarginsDialog, ShowsItsTextsAndTheCurrentMargins) {
    const TTempDevForm& form = Dialog.Form;
    EXPECT_EQ(form.Caption, "Temperature Deviations");
    EXPECT_EQ(form.Texts.at(TMarginText::TempDev),
              "Temperature in Celcius degrees. Integers only.");
    EXPECT_EQ(form.Texts.at(TMarginText::AirOutOilOutDiff),
              "Minimum temperature deviation Air to Oil Out");
    EXPECT_EQ(form.Texts.at(TMarginText::OilMaxOilOutDiff),
              "Maximum temperature deviation for Set Oil temperature vs. Calculated");
    EXPECT_EQ(Text(M::AirOutOilOut), "4");
    EXPECT_EQ(Text(M::OilMaxOilOut), "11");
    EXPECT_EQ(form.Focused, M::AirOutOilOut);
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

struct TChangeCase {
    const char* Name;
    QString Before;
    QString Typed;
    QString Message; // empty: accepted
};

class Change : public MarginsDialog, public testing::WithParamInterface<TChangeCase> {};

TEST_P(Change, AcceptsOnlyWholeNumbersFromZeroAndUndoesTheRest) {
    for (M entry : {M::AirOutOilOut, M::OilMaxOilOut}) {
        Shown.Shown.clear();
        Dialog.Form.Selected.reset();
        Dialog.Type(entry, GetParam().Before);
        Dialog.Type(entry, GetParam().Typed);
        const bool refused = !GetParam().Message.isEmpty();
        EXPECT_EQ(Shown.Texts(), refused ? QStringList{GetParam().Message} : QStringList());
        EXPECT_EQ(Text(entry), refused ? GetParam().Before : GetParam().Typed);
        EXPECT_EQ(Dialog.Form.Selected, refused ? std::optional<M>(entry) : std::nullopt);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Change,
    testing::Values(TChangeCase{"Number", "5", "42", ""}, TChangeCase{"Zero", "5", "0", ""},
                    TChangeCase{"Cleared", "5", "", ""}, TChangeCase{"Plus", "", "+7", ""},
                    TChangeCase{"MinusIntoEmpty", "", "-", "\"-\" is not an integer."},
                    TChangeCase{"MinusOne", "5", "-1", "\"-1\" is less than zero."},
                    TChangeCase{"Letter", "5", "5a", "\"5a\" is not an integer."},
                    TChangeCase{"Decimal", "5", "5.", "\"5.\" is not an integer."},
                    TChangeCase{"Blank", "5", " 5", "\" 5\" is not an integer."},
                    TChangeCase{"TooLargeForAnInteger", "5", "99999999999",
                                "\"99999999999\" is not an integer."}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MarginsDialog, RefusedChangeUndoesOnlyTheLastChange) {
    Dialog.Type(M::AirOutOilOut, "");
    Dialog.Type(M::AirOutOilOut, "2");
    Dialog.Type(M::AirOutOilOut, "-2");
    EXPECT_EQ(Text(M::AirOutOilOut), "2");
}

TEST_F(MarginsDialog, OkSetsEachMarginWhoseEntryIsNotEmpty) {
    Dialog.Type(M::AirOutOilOut, "");
    Dialog.Type(M::OilMaxOilOut, "0");
    Dialog.Logic.OKBtnClick();
    EXPECT_EQ(Dialog.Logic.Margins(), (TServiceMargins{4, 0}));
}

TEST_F(MarginsDialog, DefaultValuesShowTheProgramsDefaultsUntilOk) {
    Dialog.Logic.btDefaultValuesClick();
    EXPECT_EQ(Text(M::AirOutOilOut), "3");
    EXPECT_EQ(Text(M::OilMaxOilOut), "6");
    EXPECT_EQ(Dialog.Logic.Margins(), (TServiceMargins{4, 11}));
    Dialog.Logic.OKBtnClick();
    EXPECT_EQ(Dialog.Logic.Margins(), (TServiceMargins{3, 6}));
}

} // namespace
