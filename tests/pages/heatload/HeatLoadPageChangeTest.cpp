#include "tests/pages/heatload/HeatLoadTestPage.h"

namespace {

const QString Page2 = QStringLiteral("\\Page2");

// Another visit to the page: a new page on the same stored values, in the same language.
class PageChange : public HeatLoadPage {
protected:
    PageChange() {
        Again.OutOfRangeText = View.OutOfRangeText;
        Again.ThousandsReadingsText = View.ThousandsReadingsText;
    }

    void Store(const char* name, int32_t value) {
        Settings.SetRegInteger(value, Page2, QLatin1String(name));
    }
    void Store(const char* name, const char* text) {
        Settings.SetRegString(QString::fromUtf8(text), Page2, QLatin1String(name));
    }

    THeadlessHeatLoadView Again;
    THeatLoadController AgainController{Again, Settings, Shown};
};

TEST_F(PageChange, EntriesComeBackAsShownAndStayThroughEveryVisit) {
    PickUnit(E::OilVolume, Ord(TVolume::m3));
    PickUnit(E::HeatCapa, Ord(THeatCapacitivity::BTU_lb_K));
    PickUnit(E::StartTemp, Ord(TTemp::F));
    PickUnit(E::Result, Ord(THeatDissi::BTU_hr));
    Type(E::OilVolume, "0,2");
    Type(E::Density, "0,89");
    Type(E::StartTemp, "68,9");
    Type(E::EndTemp, "50,25");
    Type(E::TimeInterval, "30");
    Controller.btCalculateHeatDissiClick();
    Controller.StoreInputs();

    for (int visit = 1; visit <= 3; ++visit) {
        SCOPED_TRACE(visit);
        THeadlessHeatLoadView again;
        THeatLoadController againController(again, Settings, Shown);
        ApplyHeatLoadTexts(again, Language);
        againController.RestoreInputs();

        EXPECT_TRUE(Shown.Shown.isEmpty()) << Shown.Texts().join(" | ").toStdString();
        for (E entry : HeatLoadInputs) {
            EXPECT_EQ(again.ListIndex(entry), View.ListIndex(entry));
            EXPECT_EQ(again.EntryText(entry), View.EntryText(entry));
        }
        EXPECT_EQ(again.ListIndex(E::Result), Ord(THeatDissi::BTU_hr));
        EXPECT_EQ(again.EntryText(E::Result), "0.00"); // the result is not kept
        EXPECT_FLOAT_EQ(againController.Fields().StartTemp, 20.5f);
        EXPECT_FLOAT_EQ(againController.Fields().EndTemp, 50.25f);

        againController.btCalculateHeatDissiClick();
        EXPECT_EQ(again.EntryText(E::Result), View.EntryText(E::Result));
        againController.StoreInputs();
    }
}

TEST_F(PageChange, StoredPositionsAreClampedIntoTheirLists) {
    Store("OilVolumeCombo", 9);
    Store("DensityCombo", 5);
    Store("HeatCapCombo", -3);
    Store("ResultlCombo", 7);
    AgainController.RestoreInputs();
    EXPECT_EQ(Again.ListIndex(E::OilVolume), 4);
    EXPECT_EQ(Again.ListIndex(E::Density), 2);
    EXPECT_EQ(Again.ListIndex(E::HeatCapa), 0);
    EXPECT_EQ(Again.ListIndex(E::Result), 4);
}

struct TStoredCase {
    const char* Name;
    const char* DensityData;
    const char* HeatCapData;
    const char* ShownDensity;
    const char* ShownHeatCapa;
    const char* Message; // of "Calculate"; empty for a result
};

class StoredStartValues : public PageChange, public testing::WithParamInterface<TStoredCase> {};

TEST_P(StoredStartValues, StandInForNothingStoredAndAreCheckedAsHeld) {
    Store("OilVolumeData", "200");
    Store("StartTempData", "20");
    Store("EndTempData", "50");
    Store("TimeIntervalData", "30");
    Store("DensityData", GetParam().DensityData);
    Store("HeatCapData", GetParam().HeatCapData);
    ApplyHeatLoadTexts(Again, Language);
    AgainController.RestoreInputs();
    EXPECT_EQ(Again.EntryText(E::Density), GetParam().ShownDensity);
    EXPECT_EQ(Again.EntryText(E::HeatCapa), GetParam().ShownHeatCapa);
    ASSERT_TRUE(Shown.Shown.isEmpty()) << Shown.Texts().join(" | ").toStdString();

    AgainController.btCalculateHeatDissiClick();
    EXPECT_EQ(Shown.Texts().join(""), GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredStartValues,
    testing::Values(TStoredCase{"NothingStored", "", "", "0.89", "2.08", ""},
                    TStoredCase{"DensityZero", "0", "2,08", "0.89", "2.08", ""},
                    TStoredCase{"DensityZeroPointZero", "0.0", "2,08", "0.0", "2.08",
                                "Density Outside the range! (0 - 2)"},
                    TStoredCase{"SpecificHeatTwoPointOne", "0,89", "2,1", "0.89", "2.1", ""},
                    TStoredCase{"SpecificHeatOnePointEight", "0,89", "1,8", "0.89", "1.8",
                                "Specific heat Outside the range! (1.8 - 2.1)"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(PageChange, ResetButtonShowsTheStartValuesInTheStoredUnits) {
    Store("DensityCombo", Ord(TDensity::lb_ft3));
    Store("HeatCapCombo", Ord(THeatCapacitivity::BTU_lb_K));
    Store("StartTempCombo", Ord(TTemp::F));
    Store("EndTempCombo", Ord(TTemp::F));
    Store("ResultlCombo", Ord(THeatDissi::BTU_hr));
    PickUnit(E::OilVolume, Ord(TVolume::m3));
    TypeExample();
    Controller.btCalculateHeatDissiClick();

    Controller.bbtResetClick();

    EXPECT_EQ(View.ListIndex(E::OilVolume), Ord(TVolume::m3)); // keeps its unit
    EXPECT_EQ(View.ListIndex(E::StartTemp), Ord(TTemp::F));
    EXPECT_EQ(View.ListIndex(E::EndTemp), Ord(TTemp::F));
    EXPECT_EQ(View.ListIndex(E::Result), Ord(THeatDissi::BTU_hr));
    // The temperature entries say 0.00 in °F while the page holds 0 °C.
    EXPECT_EQ(Text(E::StartTemp), "0.00");
    EXPECT_EQ(Text(E::EndTemp), "0.00");
    EXPECT_EQ(Controller.Fields().StartTemp, 0);
    EXPECT_EQ(Controller.Fields().EndTemp, 0);
    EXPECT_EQ(Text(E::Density), "55.6");
    EXPECT_EQ(Text(E::HeatCapa), "0.50");
    EXPECT_EQ(Text(E::Result), "0.00");
    EXPECT_FALSE(Controller.CalculatedkW());
}

TEST_F(PageChange, StoresEveryUnitAndEntryTextAsShown) {
    PickUnit(E::EndTemp, Ord(TTemp::F));
    Type(E::EndTemp, "122,50");
    View.SetEntryText(E::OilVolume, "typed, not left");
    Controller.StoreInputs();

    int32_t unit = -1;
    ASSERT_TRUE(Settings.GetRegInteger(unit, Page2, "EndTempCombo"));
    EXPECT_EQ(unit, Ord(TTemp::F));
    ASSERT_TRUE(Settings.GetRegInteger(unit, Page2, "ResultlCombo"));
    EXPECT_EQ(unit, Ord(THeatDissi::kW));
    EXPECT_EQ(Settings.GetRegString(Page2, "EndTempData"), "122.50");
    EXPECT_EQ(Settings.GetRegString(Page2, "OilVolumeData"), "typed, not left");
    EXPECT_EQ(Settings.GetRegString(Page2, "DensityData"), "0,89");
    EXPECT_EQ(Settings.GetRegString(Page2, "TimeIntervalData"), "0.00");
}

} // namespace
