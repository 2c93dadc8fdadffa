#include "tests/pages/selection/SelectionTestPage.h"

#include "pages/selection/SelectionEntries.h"
#include "units/Units.h"

namespace {

using E = TSelectionEntry;

TEST_F(SelectionPage, TypedNumbersAreStoredInBaseUnitsAndRewrittenAsTyped) {
    const struct {
        const char* Name;
        E Entry;
        int Unit;
        QChar Separator;
        QString Typed;
        float Stored;
        QString Shown;
    } cases[] = {
        {"CommaUnderPoint", E::MaxTemp, Ord(TTemp::C), '.', "60,5", 60.5f, "60.5"},
        {"PointUnderComma", E::MaxTemp, Ord(TTemp::C), ',', "60.5", 60.5f, "60,5"},
        {"Fahrenheit", E::AirTemp, Ord(TTemp::F), '.', "95", 35, "95"},
        {"GallonsPerMinute", E::OilFlow, Ord(TFlow::USgal_min), '.', "10", 37.85f, "10"},
        {"Feet", E::Altitude, Ord(TLength::ft), '.', "1000", 304.8f, "1000"},
        {"Watts", E::HeatDiss, Ord(THeatDissi::W), '.', "2500,00", 2.5f, "2500.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TScopedRegionalSettings separator(c.Separator);
        PickUnit(c.Entry, c.Unit);
        Type(c.Entry, c.Typed);
        EXPECT_FLOAT_EQ(Controller.EnteredPoint().*QuantityOf(c.Entry).Field, c.Stored);
        EXPECT_EQ(Entry(c.Entry), c.Shown);
    }
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

TEST_F(SelectionPage, UnreadableEntryKeepsTheFocusAndShowsTheValueItKeeps) {
    const struct {
        const char* Name;
        E Entry;
        const char* Kept;
        const char* Typed;
        const char* Message;
        const char* Shown;
    } cases[] = {
        {"Temperature", E::MaxTemp, "60", "6O", "Max. inlet oil temp.: 6O ?", "60"},
        {"Emptied", E::HeatDiss, "20", "", "Cooling required:  ?", "20.0"},
        {"OilFlow", E::OilFlow, "40", "12;5", "Oil flow: 12;5 ?", "40.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Type(c.Entry, c.Kept);
        const float kept = Controller.EnteredPoint().*QuantityOf(c.Entry).Field;
        View.SetEntryFontColor(c.Entry, clRed);
        Shown.Shown.clear();
        Type(c.Entry, c.Typed);
        EXPECT_EQ(Shown.Texts(), QStringList{c.Message});
        EXPECT_EQ(View.FocusedEntry(), c.Entry);
        EXPECT_EQ(Controller.EnteredPoint().*QuantityOf(c.Entry).Field, kept);
        EXPECT_EQ(Entry(c.Entry), c.Shown); // the screen and the field agree
    }
    EXPECT_EQ(View.Entry(E::OilFlow).FontColor, clBlack);
}

TEST_F(SelectionPage, UnitSwitchesShowTheSameValueAndRoundTrip) {
    TypeOperatingPoint(100, 60, 20, 500, 25);
    PickModel(1);
    Controller.btCalcSelectedCoolerClick();
    ASSERT_TRUE(Controller.PrintingEnabled());

    PickUnit(E::OilFlow, Ord(TFlow::m3_h));
    EXPECT_EQ(Entry(E::OilFlow), "6.00");
    EXPECT_FALSE(Controller.PrintingEnabled()); // the results no longer match the entries
    EXPECT_EQ(Value(TResultLine::OilInletTemp), "");
    PickUnit(E::OilFlow, Ord(TFlow::l_min));
    EXPECT_EQ(Entry(E::OilFlow), "100");
    EXPECT_EQ(Controller.EnteredPoint().OilFlow, 100);

    PickUnit(E::MaxTemp, Ord(TTemp::F));
    EXPECT_EQ(Entry(E::MaxTemp), "140");
    PickUnit(E::MaxTemp, Ord(TTemp::C));
    EXPECT_EQ(Entry(E::MaxTemp), "60");
    EXPECT_EQ(Controller.EnteredPoint().MaxInletOilTemp, 60);

    PickUnit(E::HeatDiss, Ord(THeatDissi::W));
    EXPECT_EQ(Entry(E::HeatDiss), "25000");
    PickUnit(E::HeatDiss, Ord(THeatDissi::kW));
    EXPECT_EQ(Entry(E::HeatDiss), "25.0");
}

TEST_F(SelectionPage, AltitudeUnitNamesTheNoiseDistance) {
    PickUnit(E::Altitude, Ord(TLength::ft));
    EXPECT_EQ(View.ResultCaption(TResultLine::NoiseLevel), "LpA, 3 ft");
    PickUnit(E::Altitude, Ord(TLength::m));
    EXPECT_EQ(View.ResultCaption(TResultLine::NoiseLevel), "LpA, 1 m");
}

TEST_F(SelectionPage, InputChangesVoidTheResults) {
    const std::function<void()> changes[] = {
        [&] { Type(E::AirTemp, "25"); },
        [&] { Controller.edOilflowCoolerDataClick(); },
        [&] { Controller.cbOilCoolerDataChange(); },
        [&] { PickModel(2); },
    };
    for (const auto& change : changes) {
        TypeOperatingPoint(40, 60, 20, 500, 25);
        PickModel(1);
        Controller.btCalcSelectedCoolerClick();
        ASSERT_TRUE(Controller.PrintingEnabled());
        change();
        EXPECT_FALSE(Controller.PrintingEnabled());
        EXPECT_FALSE(View.PrintEnabled);
        EXPECT_EQ(Value(TResultLine::NoiseLevel), "");
    }
}

TEST_F(SelectionPage, ClearAllEmptiesTheOperatingPoint) {
    TypeOperatingPoint(40, 60, 20, 500, 25);
    Controller.ClearOnNewCoolerType(true);
    for (E entry : SelectionEntries)
        EXPECT_EQ(Entry(entry), "0");
    const OperatingPoint& point = Controller.EnteredPoint();
    EXPECT_EQ(point.OilFlow + point.MaxInletOilTemp + point.AirTemp + point.Altitude +
                  point.CoolingRequired,
              0);
}

// Cooling systems run at their pump's flow: the page fills it in.
TEST_F(SelectionPage, PickedCoolingSystemFillsInItsPumpFlow) {
    PickSeries(VCS_Cooler);
    EXPECT_EQ(Entry(E::OilFlow), "20.0"); // the first system's largest flow
    EXPECT_EQ(Controller.EnteredPoint().OilFlow, 20);
    EXPECT_EQ(View.Entry(E::OilFlow).FontColor, clBlue);
    EXPECT_FALSE(View.Entry(E::OilFlow).Enabled);

    PickModel(2);
    EXPECT_EQ(Entry(E::OilFlow), "80.0");
    EXPECT_EQ(Controller.EnteredPoint().OilFlow, 80);

    PickUnit(E::OilFlow, Ord(TFlow::m3_h));
    PickModel(1);
    EXPECT_EQ(Entry(E::OilFlow), "2.40"); // 40 l/min

    PickSeries(AC_Cooler);
    EXPECT_TRUE(View.Entry(E::OilFlow).Enabled);
    EXPECT_EQ(View.Entry(E::OilFlow).FontColor, clBlack);
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

// The flow typed is the user's: a look at the cooling systems shows their pumps' flows, and any
// other series brings the typed flow back.
TEST_F(SelectionPage, TypedFlowOutlivesALookAtTheCoolingSystems) {
    PickUnit(E::OilFlow, Ord(TFlow::USgal_min));
    Type(E::OilFlow, "26.4");
    PickSeries(VCS_Cooler);
    PickModel(2);
    EXPECT_EQ(Controller.EnteredPoint().OilFlow, 80);
    for (TCoolerType series : {DC_Cooler, Cooler_System}) {
        PickSeries(series);
        EXPECT_EQ(Entry(E::OilFlow), "26.4");
        EXPECT_FLOAT_EQ(Controller.EnteredPoint().OilFlow, 26.4f * 3.785f);
        PickSeries(VCS_Cooler);
    }
}

TEST_F(SelectionPage, UnreadablePumpFlowFallsBackToAStandardPump) {
    const struct {
        float Previous;
        bool US;
        float Standard;
        QString Shown;
    } cases[] = {{30, false, 20, "20.0"}, {30.5f, false, 40, "40.0"}, {47, false, 40, "40.0"},
                 {50, false, 55, "55.0"}, {57.5f, false, 60, "60.0"}, {70.5f, false, 80, "80.0"},
                 {40, true, 48, "48.0"}};
    PickSeries(VCS_Cooler);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Previous);
        View.ProgramEdition = c.US ? TEdition::US : TEdition::European;
        Type(E::OilFlow, TypedText(c.Previous));
        Type(E::OilFlow, "x");
        EXPECT_EQ(Controller.EnteredPoint().OilFlow, c.Standard);
        EXPECT_EQ(Entry(E::OilFlow), c.Shown);
        EXPECT_EQ(View.Entry(E::OilFlow).FontColor, clBlue);
        EXPECT_EQ(View.FocusedEntry(), E::OilFlow);
    }
}

TEST_F(SelectionPage, ShowingAPumpFlowKeepsTheResults) {
    PickSeries(VCS_Cooler);
    TypeOperatingPoint(20, 60, 20, 500, 5);
    Controller.btCalcSelectedCoolerClick();
    ASSERT_TRUE(Controller.PrintingEnabled());
    Type(E::OilFlow, "40");
    EXPECT_TRUE(Controller.PrintingEnabled());
}

TEST_F(SelectionPage, HydraulicMotorCoolersHaveAFanAndNoMotorProtection) {
    PickSeries(Cooler_System);
    EXPECT_EQ(View.ResultCaption(TResultLine::MotorCapacity), "Fan power required");
    EXPECT_EQ(View.ResultCaption(TResultLine::ProtectionStd), "");
    EXPECT_EQ(View.ListItems(TSelectionList::Model),
              (QStringList{"KVHM 400-1500 rpm", "KVHM 500-1500 rpm"}));

    TypeOperatingPoint(40, 60, 20, 500, 25);
    Controller.btCalcSelectedCoolerClick(); // its catalogue name ends after the speed
    EXPECT_TRUE(Controller.PrintingEnabled());
    EXPECT_EQ(Value(TResultLine::ProtectionStd), "");

    PickSeries(AC_Cooler);
    EXPECT_EQ(View.ResultCaption(TResultLine::MotorCapacity), "Motor capacity");
    EXPECT_EQ(View.ResultCaption(TResultLine::ProtectionStd), "Protection standard, motor");
}

TEST_F(SelectionPage, EditionDecidesOnTheProtectionLine) {
    for (bool us : {false, true}) {
        View.ProgramEdition = us ? TEdition::US : TEdition::European;
        Controller.InitialisePage();
        for (int line = 0; line < ResultLineCount; ++line) {
            const auto resultLine = static_cast<TResultLine>(line);
            EXPECT_EQ(View.Line(resultLine).Visible,
                      !us || resultLine != TResultLine::ProtectionStd)
                << line << (us ? " US" : " European");
        }
    }
}

} // namespace
