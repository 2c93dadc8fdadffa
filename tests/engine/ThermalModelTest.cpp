#include "core/EngineState.h"
#include "core/MessageService.h"
#include "engine/CoolerHlp.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class ThermalModel : public testing::Test {
protected:
    void SetUp() override {
        ResetEngineState();
        Cooler.AirDensity500m = TCoolerHlp::AirDensity(500);
    }
    TRecordingMessages Shown;
    TScopedMessageService Capture{Shown};
    TCoolerHlp Cooler;
};

TEST(AirDensity, FollowsTheStandardAtmosphere) {
    const struct {
        double Altitude, Density, Tolerance;
    } cases[] = {{0, 1.3, 1e-12},      {500, 1.2123242, 1e-7}, {1000, 1.14, 0.005},
                 {2000, 0.995, 0.005}, {3000, 0.855, 0.005},   {4000, 0.755, 0.005}};
    for (const auto& c : cases)
        EXPECT_NEAR(TCoolerHlp::AirDensity(c.Altitude), c.Density, c.Tolerance) << c.Altitude;
}

TEST_F(ThermalModel, HeatDissipationAtTheReferenceAltitude) {
    // 1 kW/K, 40 K, 1 m3/s at 500 m: density ratio and altitude factor are both 1, so
    // H = 40 * (1.02 - 0.03) / (0.0015 * 40 / 1.2 + 1) = 39.6 / 1.05.
    EngineState().InAltitude = 500;
    Cooler.GetNormHeatConductivity(10, 0, 0, 0.05, 0.5);
    ASSERT_DOUBLE_EQ(Cooler.NormHeatConductivity, 1);
    Cooler.ProcessPowerDissipation(60, 20, 1, 1);

    EXPECT_NEAR(Cooler.ActualDissipation, 39.6 / 1.05, 1e-9);
    EXPECT_NEAR(Cooler.AirTempOutValue, 39.6 / 1.05 / 1.2 + 20, 1e-9);
    EXPECT_NEAR(Cooler.SpecHeatDissiValue, 1.02 - 0.0015 * Cooler.AirTempOutValue, 1e-12);
    EXPECT_FLOAT_EQ(EngineState().LastSpecHeat, static_cast<float>(Cooler.SpecHeatDissiValue));
    EXPECT_DOUBLE_EQ(Cooler.AirDensityValue, Cooler.AirDensity500m);
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

TEST_F(ThermalModel, AltitudeLowersTheConductance) {
    const double factorAt[] = {1.034375, 0.759375}; // at 0 m and 4000 m
    const float altitudes[] = {0, 4000};
    for (int i = 0; i < 2; ++i) {
        EngineState().InAltitude = altitudes[i];
        Cooler.NormHeatConductivity = 2;
        Cooler.ProcessPowerDissipation(70, 30, 0.9, 1.5);
        const double expected = 2 * 0.9 * (1.02 - 0.0015 * Cooler.AirTempOutValue) * factorAt[i];
        EXPECT_NEAR(Cooler.SpecHeatDissiValue, expected, 1e-12);
        // Thinner air heats up more for the same heat.
        const double ratio = Cooler.AirDensity500m / TCoolerHlp::AirDensity(altitudes[i]);
        EXPECT_NEAR(Cooler.AirTempOutValue, Cooler.ActualDissipation / 1.8 * ratio + 30, 1e-9);
    }
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

TEST_F(ThermalModel, DegenerateOperatingPointsGiveNoHeatAndNoMessage) {
    const struct {
        const char* Name;
        double OilTemp, AirTemp, AirFlow;
    } cases[] = {{"oil as warm as air", 40, 40, 1.2},
                 {"no air flow", 60, 20, 0},
                 {"negative air flow", 60, 20, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Cooler.NormHeatConductivity = 1.5;
        Cooler.ProcessPowerDissipation(c.OilTemp, c.AirTemp, 1, c.AirFlow);
        EXPECT_TRUE(std::isfinite(Cooler.AirTempOutValue));
        EXPECT_TRUE(std::isfinite(Cooler.SpecHeatDissiValue));
        if (c.OilTemp == c.AirTemp) {
            EXPECT_EQ(Cooler.ActualDissipation, 0);
        }
        EXPECT_EQ(Cooler.AirTempOutValue, c.AirTemp);
    }
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

TEST_F(ThermalModel, SaysWhenAModelCannotBeEvaluatedWithoutTellingTheUser) {
    // Far beyond the flows a model was measured for, its cubic conductance grows so large that
    // the closed solution and the specific heat dissipation no longer agree.
    EngineState().InAltitude = 500;
    const struct {
        const char* Name;
        double Conductance;
        bool Evaluated;
    } cases[] = {{"measured range", 1.5, true},
                 {"large but consistent", 1e6, true},
                 {"beyond the measured flows", 1e12, false},
                 {"overflowed", INFINITY, false},
                 {"undefined", NAN, false}};
    for (const auto& c : cases) {
        Cooler.NormHeatConductivity = c.Conductance;
        EXPECT_EQ(Cooler.ProcessPowerDissipation(60, 20, 1, 1), c.Evaluated) << c.Name;
    }
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

TEST_F(ThermalModel, OutletOilKeepsTheMarginAboveOutletAir) {
    // 100 l/min carries 3.1401 kW/K, so 31.401 kW cool the oil by 10 K: from 50 to 40 degC,
    // only 1 K above the 39 degC air. With a 3 K margin the outlet becomes 42 and the inlet 52.
    EngineState().OutputOilAirDev = 3;
    uint8_t warning = WR_NON;
    double inlet = 50;
    Cooler.GetOilTempOutValue(warning, 100, 31.401, inlet, 39);
    EXPECT_NEAR(Cooler.OilTempOutValue, 42, 1e-12);
    EXPECT_NEAR(inlet, 52, 1e-9);
    EXPECT_EQ(warning, WR_NON);
}

TEST_F(ThermalModel, OutletOilFarFromAirIsLeftAloneAndTheWarningIsNotReset) {
    uint8_t warning = WR_OUTOIL_AIR_TEMP_ERR;
    double inlet = 80;
    Cooler.GetOilTempOutValue(warning, 100, 31.401, inlet, 30);
    EXPECT_NEAR(Cooler.OilTempOutValue, 70, 1e-9);
    EXPECT_EQ(inlet, 80);
    EXPECT_EQ(warning, WR_OUTOIL_AIR_TEMP_ERR);
}

TEST_F(ThermalModel, MarginComparesHundredthsOfAKelvin) {
    // 2.999 K apart counts as 2.99 K: below a 3 K margin.
    EngineState().OutputOilAirDev = 3;
    uint8_t warning = WR_NON;
    double inlet = 52.999 + 10;
    Cooler.GetOilTempOutValue(warning, 100, 31.401, inlet, 50);
    EXPECT_NEAR(Cooler.OilTempOutValue, 53, 1e-12);
    EXPECT_NEAR(inlet, 63, 1e-9);
}

TEST_F(ThermalModel, NoOilFlowMakesTheModelUnsuitable) {
    for (double flow : {0.0, -5.0}) {
        uint8_t warning = WR_NON;
        double inlet = 60;
        Cooler.GetOilTempOutValue(warning, flow, 10, inlet, 30);
        EXPECT_EQ(warning, WR_OUTOIL_AIR_TEMP_ERR) << flow;
        EXPECT_TRUE(std::isfinite(Cooler.OilTempOutValue));
        EXPECT_EQ(inlet, 60);
    }
}

TEST_F(ThermalModel, PressureDropFromTheFlowFunction) {
    // With no oil loaded the viscosity is 0 and the correction its constant term.
    const double drop = Cooler.PressureDropAt(16, 50, 1, 1, 1, 1);
    EXPECT_DOUBLE_EQ(Cooler.PrDropFuncValue, 2 + 4 + 16 + 1);
    EXPECT_NEAR(drop, 0.32739647 * 23 * 100, 1e-9);
    EXPECT_EQ(Cooler.PressureDrValue, drop);
}

TEST_F(ThermalModel, PressureDropViscosityIsTakenAt100DegreesAtMost) {
    // viscosity 0.01 T^2: strongly temperature dependent above 100 degC too
    EngineState().OilCoeff[TIsoOil::OilKey::CoeffE] = 0.01;
    const double at100 = Cooler.PressureDropAt(50, 100, 0, 0, 0.01, 0.1);
    EXPECT_DOUBLE_EQ(Cooler.PressureDropAt(50, 120, 0, 0, 0.01, 0.1), at100);
    EXPECT_NE(Cooler.PressureDropAt(50, 99, 0, 0, 0.01, 0.1), at100);
}

TEST_F(ThermalModel, PressureDropWithoutFlowIsFinite) {
    EXPECT_NEAR(Cooler.PressureDropAt(0, 50, 1, 1, 1, 0.5), 0.32739647 * 50, 1e-9);
    EXPECT_TRUE(std::isfinite(Cooler.PressureDropAt(-3, 50, 1, 1, 1, 0.5)));
}

TEST(InputLimits, FirstFailingTestWinsAndBoundsAreInclusive) {
    const struct {
        float MaxTemp, AirTemp, Altitude, Heat;
        TLimitResultError Expected;
    } cases[] = {
        {10, -30, 0, 0, LR_OK},
        {120, 50, 4000, 800, LR_OK},
        {40, 40, 100, 10, LR_OK}, // air as warm as the oil passes
        {9.99f, 20, 0, 10, LR_OIL_TEMP_ERR},
        {120.01f, 20, 0, 10, LR_OIL_TEMP_ERR},
        {5, 60, -1, -1, LR_OIL_TEMP_ERR},
        {60, -30.5f, 0, 10, LR_AIR_TEMP_ERR},
        {60, 50.5f, 0, 10, LR_AIR_TEMP_ERR},
        {60, 20, -0.1f, 10, LR_ATITUDE_ERR},
        {60, 20, 4000.5f, 10, LR_ATITUDE_ERR},
        {60, 20, 0, -0.01f, LR_HEAT_DISSI_ERR},
        {60, 20, 0, 800.1f, LR_HEAT_DISSI_ERR},
        {30, 30.5f, 0, 10, LR_INOIL_AIR_TEMP_ERR},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TCoolerHlp::CheckInputLimits(c.MaxTemp, c.AirTemp, c.Altitude, c.Heat),
                  c.Expected)
            << c.MaxTemp << " " << c.AirTemp << " " << c.Altitude << " " << c.Heat;
    }
}

} // namespace
