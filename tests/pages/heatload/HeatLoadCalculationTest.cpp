#include "tests/pages/heatload/HeatLoadTestPage.h"

namespace {

TEST_F(HeatLoadPage, MeasuredRiseGivesTheRequiredCoolingAndHandsItOver) {
    TypeExample();
    Controller.btCalculateHeatDissiClick();

    EXPECT_TRUE(Shown.Shown.isEmpty()) << Shown.Texts().join(" | ").toStdString();
    EXPECT_EQ(Text(E::Result), "6.17");
    EXPECT_EQ(View.HandedOver, QStringList{"6.17"});
    EXPECT_EQ(View.HandedOverUnits, QList<int>{Ord(THeatDissi::kW)});
    ASSERT_TRUE(Controller.CalculatedkW());
    EXPECT_FLOAT_EQ(*Controller.CalculatedkW(), 6.1706667f);

    PickUnit(E::Result, Ord(THeatDissi::W));
    EXPECT_EQ(Text(E::Result), "6171");
    EXPECT_EQ(View.HandedOver, (QStringList{"6.17", "6171"}));
    EXPECT_EQ(View.HandedOverUnits.last(), Ord(THeatDissi::W));
    EXPECT_EQ(Controller.Fields().UnitlResultHeatDissi, Ord(THeatDissi::W));
}

struct TResultUnitCase {
    const char* Name;
    THeatDissi Unit;
    const char* Shown;
};

class ResultUnit : public HeatLoadPage, public testing::WithParamInterface<TResultUnitCase> {};

TEST_P(ResultUnit, PickedBeforeCalculatingShowsTheResultInIt) {
    PickUnit(E::Result, Ord(GetParam().Unit));
    TypeExample();
    Controller.btCalculateHeatDissiClick();
    EXPECT_EQ(Text(E::Result), GetParam().Shown);
    EXPECT_EQ(View.HandedOver.last(), GetParam().Shown);
    EXPECT_FLOAT_EQ(*Controller.CalculatedkW(), 6.1706667f);
}

INSTANTIATE_TEST_SUITE_P(Units, ResultUnit,
                         testing::Values(TResultUnitCase{"W", THeatDissi::W, "6171"},
                                         TResultUnitCase{"kW", THeatDissi::kW, "6.17"},
                                         TResultUnitCase{"kcal", THeatDissi::kcal_hr, "5309"},
                                         TResultUnitCase{"Btu", THeatDissi::BTU_hr, "21054"},
                                         TResultUnitCase{"HP", THeatDissi::HP, "8.27"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(HeatLoadPage, ResultUnitChangeConvertsTheResultNotItsRoundedText) {
    // 10 litres 1 K warmer in an hour: 5.14 W, shown as 0.01 kW.
    Type(E::OilVolume, "10");
    Type(E::StartTemp, "20");
    Type(E::EndTemp, "21");
    Type(E::TimeInterval, "60");
    Controller.btCalculateHeatDissiClick();
    ASSERT_EQ(Text(E::Result), "0.01");
    for (int round = 0; round < 3; ++round) {
        PickUnit(E::Result, Ord(THeatDissi::W));
        EXPECT_EQ(Text(E::Result), "5.14");
        PickUnit(E::Result, Ord(THeatDissi::kW));
        EXPECT_EQ(Text(E::Result), "0.01");
    }
    EXPECT_EQ(View.HandedOver.mid(1, 2), (QStringList{"5.14", "0.01"}));
}

TEST_F(HeatLoadPage, ResultUnitChangeBeforeAnyCalculationHandsOverNothing) {
    PickUnit(E::Result, Ord(THeatDissi::HP));
    EXPECT_EQ(Text(E::Result), "0.0");
    EXPECT_TRUE(View.HandedOver.isEmpty());
    EXPECT_TRUE(Shown.Shown.isEmpty());
    EXPECT_FALSE(Controller.CalculatedkW());
}

// The measurement of the example with some entries typed otherwise, each in the given unit.
struct TTyped {
    E Entry;
    int Unit;
    const char* Text;
};
struct TRangeCase {
    const char* Name;
    QList<TTyped> Changes;
    const char* Message; // empty: a result
};

class Range : public HeatLoadPage, public testing::WithParamInterface<TRangeCase> {};

TEST_P(Range, IsCheckedInBaseUnitsAndNamedByTheLastCheckThatFails) {
    TypeExample();
    for (const TTyped& typed : GetParam().Changes) {
        PickUnit(typed.Entry, typed.Unit);
        Type(typed.Entry, QString::fromUtf8(typed.Text));
    }
    ASSERT_TRUE(Shown.Shown.isEmpty()) << Shown.Texts().join(" | ").toStdString();
    Controller.btCalculateHeatDissiClick();

    if (QString(GetParam().Message).isEmpty()) {
        EXPECT_TRUE(Shown.Shown.isEmpty()) << Shown.Texts().join(" | ").toStdString();
        EXPECT_EQ(View.HandedOver.size(), 1);
        return;
    }
    EXPECT_EQ(Shown.Shown, (QList<TShownMessage>{{TMessageKind::Error, GetParam().Message}}));
    EXPECT_EQ(Text(E::Result), "0.00");
    EXPECT_TRUE(View.HandedOver.isEmpty());
}

constexpr int C = Ord(TTemp::C);
constexpr int F = Ord(TTemp::F);

INSTANTIATE_TEST_SUITE_P(
    Cases, Range,
    testing::Values(
        TRangeCase{"ResetPageNamesTheTime",
                   {{E::OilVolume, 0, "0.00"},
                    {E::StartTemp, C, "0.00"},
                    {E::EndTemp, C, "0.00"},
                    {E::TimeInterval, 0, "0.00"}},
                   "Time interval Outside the range! (>0)"},
        TRangeCase{"ThreeThousandLitres", {{E::OilVolume, Ord(TVolume::liter), "3000"}}, ""},
        TRangeCase{"ThreeCubicMetres", {{E::OilVolume, Ord(TVolume::m3), "3"}}, ""},
        TRangeCase{"ALitreTooMuch",
                   {{E::OilVolume, Ord(TVolume::liter), "3000,5"}},
                   "Oil volume Outside the range! (0 - 3000)"},
        TRangeCase{"GallonsTooMany",
                   {{E::OilVolume, Ord(TVolume::gallon), "800"}},
                   "Oil volume Outside the range! (0 - 3000)"},
        TRangeCase{"TooDense",
                   {{E::Density, Ord(TDensity::kg_dm3), "2,5"}},
                   "Density Outside the range! (0 - 2)"},
        TRangeCase{"SpecificHeatOfTwoPointOne",
                   {{E::HeatCapa, Ord(THeatCapacitivity::KJ_Kg_K), "2,1"}},
                   ""},
        // The range named is the one the check accepts.
        TRangeCase{"SpecificHeatOfOnePointEight",
                   {{E::HeatCapa, Ord(THeatCapacitivity::KJ_Kg_K), "1,8"}},
                   "Specific heat Outside the range! (1.8 - 2.1)"},
        TRangeCase{"SpecificHeatInBtuAboveTheRange",
                   {{E::HeatCapa, Ord(THeatCapacitivity::BTU_lb_K), "0,6"}},
                   "Specific heat Outside the range! (1.8 - 2.1)"},
        TRangeCase{"InitialTooCold",
                   {{E::StartTemp, C, "-31"}},
                   "Initial oil temperature Outside the range! (-30 - 100)"},
        TRangeCase{"FinalAtBoiling", {{E::EndTemp, C, "100"}}, ""},
        TRangeCase{"FinalAboveBoiling",
                   {{E::EndTemp, F, "213"}},
                   "Final oil temperature Outside the range! (< 100)"},
        // Final first, each as its entry shows it.
        TRangeCase{"FinalBelowInitial",
                   {{E::StartTemp, C, "50"}, {E::EndTemp, C, "20"}},
                   "Final oil temperature Outside the range! (20 - 50)"},
        TRangeCase{"FinalBelowInitialInFahrenheit",
                   {{E::StartTemp, F, "122,0"}, {E::EndTemp, F, "68"}},
                   "Final oil temperature Outside the range! (68 - 122.0)"},
        TRangeCase{
            "NoTime", {{E::TimeInterval, 0, "-1"}}, "Time interval Outside the range! (>0)"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(HeatLoadPage, InitialTemperatureLimitIsExactInFahrenheit) {
    PickUnit(E::StartTemp, Ord(TTemp::F));
    Type(E::StartTemp, "212");
    EXPECT_EQ(Controller.Fields().StartTemp, 100);
    Type(E::StartTemp, "213");
    EXPECT_GT(Controller.Fields().StartTemp, 100);
}

TEST_F(HeatLoadPage, CalculateFirstReadsTheEntryBeingTyped) {
    TypeExample();
    View.SetEntryText(E::TimeInterval, "60"); // typed, the focus still in the entry
    View.Focused = E::TimeInterval;
    Controller.btCalculateHeatDissiClick();
    EXPECT_EQ(Text(E::Result), "3.09");
    EXPECT_FLOAT_EQ(Controller.Fields().TimeInterval, 60);
}

TEST_F(HeatLoadPage, CalculateWithAnUnreadableEntryBeingTypedStopsAtItsMessage) {
    TypeExample();
    Controller.btCalculateHeatDissiClick();
    View.SetEntryText(E::EndTemp, "5O");
    View.Focused = E::EndTemp;
    Controller.btCalculateHeatDissiClick();
    EXPECT_EQ(Shown.Texts(), QStringList{"Final oil temperature: 5O ?"});
    EXPECT_EQ(Text(E::EndTemp), "50");
    EXPECT_EQ(View.Focused, E::EndTemp);
    EXPECT_EQ(View.HandedOver, QStringList{"6.17"}); // from the first calculation only
}

TEST_F(HeatLoadPage, TimeTooShortForSinglePrecisionShowsTheLargestCooling) {
    TypeExample();
    Type(E::TimeInterval, "1e-40");
    for (THeatDissi unit : {THeatDissi::kW, THeatDissi::W, THeatDissi::BTU_hr}) {
        PickUnit(E::Result, Ord(unit));
        Controller.btCalculateHeatDissiClick();
        EXPECT_EQ(Text(E::Result), "3.4028235E38");
    }
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

} // namespace
