#include "pages/selection/ResultPresentation.h"
#include "core/RegionalSettings.h"
#include "units/Units.h"

#include <gtest/gtest.h>

namespace {

using L = TResultLine;

// A cooler of 1 kW/K with 2.5 m3/s of air rated at 55 l/min, oil at 60 degC and air at
// 20 degC: 37.68 kW, outlet air 32.56 degC, outlet oil 38.2 degC, about 0.5 bar.
class ResultPresentation : public testing::Test {
protected:
    ResultPresentation() {
        Result.OilFlow = 55;
        Result.InletOilTemp = 60;
        Result.OutletOilTemp = 38.18;
        Result.OutletAirTemp = 32.56;
        Result.Dissipation = 37.68;
        Result.SpecificDissipation = 0.942f;
        Result.PressureDrop = 50;
        Model[Catalogue::AirFlow] = 2.5;
        Model[Catalogue::MotorPower] = 0.75;
        Model[Catalogue::NoiseLevel] = 70;
        Model[Catalogue::IP] = 54;
    }

    TScopedRegionalSettings Point{QLatin1Char('.')};
    Rating Result;
    ModelRecord Model{};
    PresentationStyle Style{
        {Ord(TFlow::l_min), Ord(TTemp::C), Ord(TTemp::C), Ord(TLength::m), Ord(THeatDissi::kW)},
        false,
        false};
};

TEST_F(ResultPresentation, WritesEveryResultOfTheRating) {
    const PresentedResult shown = PresentRating(Result, Model, AC_Cooler, Style);
    EXPECT_EQ(shown.Value(L::OilInletTemp), "60 °C");
    EXPECT_EQ(shown.Value(L::OilOutletTemp), "38 °C");
    EXPECT_EQ(shown.Value(L::AirOutletTemp), "33 °C");
    // With the cooling held, the heat line shows the specific dissipation.
    EXPECT_EQ(shown.Value(L::HeatLoad), " 0.94 kW/°C");
    EXPECT_EQ(shown.Value(L::OilPressure), "0.50 bar");
    EXPECT_EQ(shown.Value(L::AirFlow), "2.50 m³/s");
    EXPECT_EQ(shown.Value(L::MotorCapacity), "0.75 kW");
    EXPECT_EQ(shown.Value(L::NoiseLevel), "70 dB(A)");
    EXPECT_EQ(shown.Value(L::ProtectionStd), "IP 54");
    for (int line = 0; line < ResultLineCount; ++line)
        EXPECT_FALSE(shown.Highlighted(static_cast<L>(line))) << line;
    EXPECT_EQ(shown.HeatEntryBackground, clWhite);
    EXPECT_EQ(shown.MaxTempEntryBackground, clWhite);
}

// With the inlet temperature held the heat line shows the heat removed; the US catalogue gives
// the motor power in HP whatever heat unit is picked, and pressures beside US gpm are in psi.
TEST_F(ResultPresentation, InletTempHeldUSEditionAndUSUnits) {
    Style.Units = {Ord(TFlow::USgal_min), Ord(TTemp::F), Ord(TTemp::F), Ord(TLength::ft),
                   Ord(THeatDissi::kW)};
    Style.InletTempHeld = true;
    Style.USEdition = true;
    Result.PressureDrop = 2000; // beyond what the catalogue's curves hold
    const PresentedResult shown = PresentRating(Result, Model, AC_Cooler, Style);
    EXPECT_EQ(shown.Value(L::HeatLoad), " 37.7 kW");
    EXPECT_EQ(shown.Value(L::OilInletTemp), "140 °F");
    EXPECT_EQ(shown.Value(L::OilPressure), "> 200 psi");
    EXPECT_EQ(shown.Value(L::AirFlow), "5297 ft³/min");
    EXPECT_EQ(shown.Value(L::MotorCapacity), "1.0 HP");
}

// The outlet temperatures are red where the outlet oil comes closer to the outlet air than the
// margin.
TEST_F(ResultPresentation, OutletMarginNotKeptShowsBothOutletTemperaturesRed) {
    Result.OutletMarginKept = false;
    const PresentedResult shown = PresentRating(Result, Model, AC_Cooler, Style);
    EXPECT_EQ(shown.Background(L::OilOutletTemp), clRed);
    EXPECT_EQ(shown.Background(L::AirOutletTemp), clRed);
    EXPECT_EQ(shown.Background(L::OilInletTemp), clWhite);
    EXPECT_EQ(shown.Background(L::HeatLoad), clWhite);
}

TEST(ProtectionTexts, TheClassOfAnElectricMotorOnly) {
    ModelRecord model{};
    model[Catalogue::IP] = 54;
    EXPECT_EQ(ProtectionText(AC_Cooler, model), "IP 54");
    EXPECT_EQ(ProtectionText(DC_Cooler, model), "IP 54");
    model[Catalogue::IP] = 55;
    EXPECT_EQ(ProtectionText(VCS_Cooler, model), "IP 55");
    // A hydraulic-motor cooler has no electric motor.
    EXPECT_EQ(ProtectionText(Cooler_System, model), "");
}

} // namespace
