#include "tests/pages/selection/SelectionTestPage.h"

#include "pages/selection/SelectionPageItems.h"
#include "units/Units.h"

#include <cmath>

namespace {

using E = TSelectionEntry;
using L = TResultLine;

// The number at the start of a result text such as "47 °C".
double Leading(const QString& text) {
    return text.section(QLatin1Char(' '), 0, 0).toDouble();
}

TEST_F(SelectionPage, SolvedInletTemperatureLiesBelowTheEnteredMaximum) {
    // Enough oil flows that the outlet oil stays clear of the outlet air without raising the
    // inlet temperature.
    TypeOperatingPoint(150, 60, 20, 500, 25);
    Controller.btCalcNewCoolerClick();
    ASSERT_EQ(View.ListIndex(TSelectionList::Model), 1); // about 37 kW at 60 degC

    const std::optional<Rating> rating = Controller.ShownRating();
    ASSERT_TRUE(rating);
    const double shown = Leading(Value(L::OilInletTemp));
    EXPECT_LT(shown, 60);
    // The shown temperature is the one at which the model removes exactly the cooling required.
    EXPECT_EQ(shown, std::round(25 / rating->SpecificDissipation + 20));
    EXPECT_NEAR(rating->Dissipation, 25, 0.01);
    // The user's maximum stays; at it, the model removes more than required.
    EXPECT_EQ(Controller.EnteredPoint().MaxInletOilTemp, 60);
    EXPECT_FALSE(rating->RemovesTooLittle);
    EXPECT_EQ(View.Entry(E::MaxTemp).Background, clWhite);
    EXPECT_EQ(View.Line(L::OilInletTemp).Background, clWhite);
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

TEST_F(SelectionPage, ColoursShowWhereTheShortfallCanBeMadeUp) {
    const struct {
        const char* Name;
        bool FixedInletTemp;
        float Heat;
        TColor HeatLoad, HeatEntry, MaxTempEntry, InletTemp;
    } cases[] = {
        {"Suffices", false, 10, clWhite, clWhite, clWhite, clWhite},
        {"SufficesAtFixedInlet", true, 10, clWhite, clWhite, clWhite, clWhite},
        {"TooHotInlet", false, 25, clWhite, clWhite, clRed, clRed},
        {"TooLittleHeat", true, 25, clRed, clRed, clWhite, clWhite},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Controller.SetFixedInletTemperature(c.FixedInletTemp);
        TypeOperatingPoint(40, 60, 20, 500, c.Heat);
        PickModel(0); // about 19 kW at 60 degC
        Controller.btCalcSelectedCoolerClick();
        ASSERT_TRUE(Controller.PrintingEnabled());
        const auto& heatLoad = View.Line(L::HeatLoad);
        const auto& inletTemp = View.Line(L::OilInletTemp);
        EXPECT_EQ(heatLoad.Background, c.HeatLoad);
        EXPECT_EQ(heatLoad.FontColor, c.HeatLoad == clRed ? clWhite : clBlack);
        EXPECT_EQ(View.Entry(E::HeatDiss).Background, c.HeatEntry);
        EXPECT_EQ(View.Entry(E::MaxTemp).Background, c.MaxTempEntry);
        EXPECT_EQ(View.Entry(E::MaxTemp).FontColor, c.MaxTempEntry == clRed ? clWhite : clBlack);
        EXPECT_EQ(inletTemp.Background, c.InletTemp);
    }
}

TEST_F(SelectionPage, ModeDecidesWhatTheHeatLineShows) {
    TypeOperatingPoint(40, 60, 20, 500, 10);
    PickModel(0);
    Controller.btCalcSelectedCoolerClick();
    EXPECT_EQ(View.ResultCaption(L::HeatLoad), "Sp. heat dissipation");
    EXPECT_TRUE(Value(L::HeatLoad).endsWith(" kW/°C"));
    EXPECT_EQ(Leading(Value(L::OilInletTemp)),
              std::round(10 / Controller.ShownRating()->SpecificDissipation + 20));

    Controller.rbFixedTempClick();
    EXPECT_EQ(View.ResultCaption(L::HeatLoad), "Heat dissipation");
    EXPECT_TRUE(View.FixedTempSelected);
    Controller.btCalcSelectedCoolerClick();
    EXPECT_TRUE(Value(L::HeatLoad).endsWith(" kW"));
    EXPECT_EQ(Value(L::OilInletTemp), "60 °C"); // not solved: the entered temperature holds
}

TEST_F(SelectionPage, InputOutsideItsLimitStopsNewWithItsMessage) {
    const struct {
        const char* Name;
        int AltitudeUnit;
        float MaxTemp, AirTemp, Altitude, Heat;
        QString Message;
    } cases[] = {
        {"Altitude", Ord(TLength::m), 60, 20, 5000, 25, "Altitude Outside the range! (0 - 4000)"},
        {"AltitudeInFeet", Ord(TLength::ft), 60, 20, 20000, 25,
         "Altitude Outside the range! (0 - 13123)"},
        {"OilTemperature", Ord(TLength::m), 130, 20, 0, 25,
         "Max. inlet oil temp. Outside the range! (10 - 120)"},
        {"Cooling", Ord(TLength::m), 60, 20, 0, 900,
         "Cooling required: Outside the range! (0 - 800)"},
        {"AirAboveOil", Ord(TLength::m), 40, 45, 0, 25,
         "Max. inlet oil temp. - Max. ambient air temp. Outside the range!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Shown.Shown.clear();
        PickUnit(E::Altitude, c.AltitudeUnit);
        TypeOperatingPoint(40, c.MaxTemp, c.AirTemp, c.Altitude, c.Heat);
        Controller.btCalcNewCoolerClick();
        EXPECT_EQ(Shown.Texts(), QStringList{c.Message});
        EXPECT_FALSE(View.GridShown);
    }
}

// Each range a calculation refuses is named in the unit picked beside its entry.
TEST_F(SelectionPage, RangeMessagesAreWordedInTheUnitsOfThePage) {
    const struct {
        const char* Name;
        E Entry;
        int Unit;
        float Flow, MaxTemp, AirTemp, Heat; // in the unit picked for the entry
        QString Message;
    } cases[] = {
        {"AirTemperature", E::AirTemp, Ord(TTemp::C), 40, 60, 55, 10,
         "Max. ambient air temp. Outside the range! (-30 - 50)"},
        {"AirTemperatureInFahrenheit", E::AirTemp, Ord(TTemp::F), 40, 60, 130, 10,
         "Max. ambient air temp. Outside the range! (-22 - 122)"},
        {"OilTemperatureInFahrenheit", E::MaxTemp, Ord(TTemp::F), 40, 300, 20, 10,
         "Max. inlet oil temp. Outside the range! (50 - 248)"},
        {"CoolingInHorsepower", E::HeatDiss, Ord(THeatDissi::HP), 40, 60, 20, 1100,
         "Cooling required: Outside the range! (0 - 1072)"},
        // The smallest cooler admits 5 to 60 l/min.
        {"FlowInUSGallons", E::OilFlow, Ord(TFlow::USgal_min), 30, 60, 20, 10,
         "Oil flow Outside the range! (1.32 - 15.9)"},
    };
    // The page's units as the fixture sets them: l/min, °C and kW.
    const auto fixtureUnit = [](E entry) {
        return entry == E::OilFlow    ? Ord(TFlow::l_min)
               : entry == E::HeatDiss ? Ord(THeatDissi::kW)
                                      : Ord(TTemp::C);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        for (const E entry : {E::OilFlow, E::MaxTemp, E::AirTemp, E::HeatDiss})
            PickUnit(entry, entry == c.Entry ? c.Unit : fixtureUnit(entry));
        TypeOperatingPoint(c.Flow, c.MaxTemp, c.AirTemp, 500, c.Heat);
        PickModel(0);
        Shown.Shown.clear();
        Controller.btCalcSelectedCoolerClick();
        EXPECT_EQ(Shown.Texts(), QStringList{c.Message});
        EXPECT_FALSE(Controller.PrintingEnabled());
    }
}

TEST_F(SelectionPage, SelectedModelThatFailsItsCheckClearsThePage) {
    TypeOperatingPoint(40, 60, 20, 500, 25);
    PickModel(0);
    Controller.btCalcSelectedCoolerClick(); // too small: the inlet temperature is red
    ASSERT_EQ(View.Entry(E::MaxTemp).Background, clRed);
    PickModel(2); // admits 50 to 300 l/min
    Controller.btCalcSelectedCoolerClick();
    EXPECT_EQ(Shown.Texts(), QStringList{"Oil flow Outside the range! (50.0 - 300)"});
    EXPECT_FALSE(Controller.PrintingEnabled());
    EXPECT_EQ(Value(L::OilInletTemp), "");
    // A cleared page is not judged by the earlier model's shortfall.
    EXPECT_EQ(View.Entry(E::MaxTemp).Background, clWhite);
    EXPECT_EQ(View.Line(L::OilInletTemp).Background, clWhite);
}

TEST_F(SelectionPage, SolvedInletTemperatureIsAResultEvenBeyondTheEntryRange) {
    // The temperature at which the small cooler removes 60 kW lies far above 120 degC: shown,
    // in red, and never blamed on the maximum typed, which stays as it was.
    TypeOperatingPoint(40, 100, 20, 500, 60);
    PickModel(0);
    Controller.btCalcSelectedCoolerClick();
    EXPECT_TRUE(Shown.Shown.isEmpty()) << Shown.Texts().join(" | ").toStdString();
    EXPECT_EQ(Controller.EnteredPoint().MaxInletOilTemp, 100);
    EXPECT_EQ(Entry(E::MaxTemp), "100.00");
    EXPECT_GT(Controller.ShownRating()->InletOilTemp, 120);
    EXPECT_EQ(View.Line(L::OilInletTemp).Background, clRed);
    EXPECT_TRUE(Controller.PrintingEnabled());
}

TEST_F(SelectionPage, WithoutAQualifyingModelThePageIsCleared) {
    const struct {
        const char* Name;
        float Flow, Heat;
        QStringList Messages;
    } cases[] = {
        {"TooMuchHeat",
         100,
         500,
         {"No cooler can be selected! Please contact your local Brenvik office."}},
        {"TooMuchFlow",
         400,
         1,
         {"No cooler can be selected! Please contact your local Brenvik office."}},
        {"NoFlow",
         0,
         5,
         {"No cooler is recommended! Please check some of the following input data.\n"
          "Oil flow: 0.00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TypeOperatingPoint(40, 60, 20, 500, 10);
        Controller.btCalcNewCoolerClick();
        ASSERT_TRUE(View.GridShown);
        Shown.Shown.clear();
        TypeOperatingPoint(c.Flow, 60, 20, 500, c.Heat);
        Controller.btCalcNewCoolerClick();
        EXPECT_EQ(Shown.Texts(), c.Messages);
        EXPECT_FALSE(View.GridShown);
        EXPECT_FALSE(Controller.PrintingEnabled());
        EXPECT_EQ(Value(L::OilInletTemp), "");
    }
}

TEST_F(SelectionPage, UnreadableDataStopTheActionWithTheirMessage) {
    PickSeries(DC_Cooler); // its second model's data cannot be read
    TypeOperatingPoint(40, 60, 20, 500, 5);
    Controller.btCalcNewCoolerClick();
    EXPECT_EQ(Shown.Texts(), QStringList{"'zero' is not a valid floating point value for CoeffC "
                                         "(CnfDcEur.ini [DC_BROKEN])"});
    EXPECT_FALSE(View.GridShown);

    Shown.Shown.clear();
    PickModel(1);
    Controller.btCalcSelectedCoolerClick();
    EXPECT_FALSE(Controller.PrintingEnabled());
    EXPECT_EQ(Shown.Texts(), QStringList{"'zero' is not a valid floating point value for CoeffC "
                                         "(CnfDcEur.ini [DC_BROKEN])"});

    // The page goes on working with what can be read.
    Shown.Shown.clear();
    PickModel(0);
    Controller.btCalcSelectedCoolerClick();
    EXPECT_TRUE(Controller.PrintingEnabled());
    EXPECT_TRUE(Shown.Shown.isEmpty());

    View.SetListIndex(TSelectionList::Oil, OilGradeItems().indexOf("ISO VG 680")); // no data
    Controller.cbOilCoolerDataChange();
    Controller.btCalcNewCoolerClick();
    EXPECT_EQ(Shown.Texts(), QStringList{"'' is not a valid floating point value for CoeffA "
                                         "(IsoOils.ini [ISO_VG_680])"});
}

TEST_F(SelectionPage, ADataFaultLeavesNoEarlierResultOnThePage) {
    PickSeries(DC_Cooler);
    TypeOperatingPoint(40, 60, 20, 500, 5);
    PickModel(0);
    Controller.btCalcSelectedCoolerClick();
    ASSERT_FALSE(Value(L::OilInletTemp).isEmpty());

    PickModel(1); // its data cannot be read
    Controller.btCalcSelectedCoolerClick();
    EXPECT_EQ(Shown.Texts().size(), 1);
    EXPECT_EQ(Value(L::OilInletTemp), "");
    EXPECT_FALSE(Controller.PrintingEnabled());
}

TEST_F(SelectionPage, AFlowBeyondAnyNumberIsOutsideTheRange) {
    TypeOperatingPoint(40, 60, 20, 500, 5);
    PickUnit(TSelectionEntry::OilFlow, 4); // US gpm
    Type(TSelectionEntry::OilFlow, "1e38");
    ASSERT_TRUE(Shown.Shown.isEmpty());

    PickModel(0);
    Controller.btCalcSelectedCoolerClick();
    ASSERT_EQ(Shown.Texts().size(), 1);
    EXPECT_TRUE(Shown.Texts().first().startsWith("Oil flow Outside the range! ("));
    EXPECT_EQ(Value(L::OilInletTemp), "");

    Shown.Shown.clear();
    Controller.btCalcNewCoolerClick();
    EXPECT_EQ(Shown.Texts(),
              QStringList{"No cooler can be selected! Please contact your local Brenvik office."});
    EXPECT_FALSE(View.GridShown);
}

} // namespace
