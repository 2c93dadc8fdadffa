#include "engine/ThermalModel.h"
#include "engine/OilGrade.h"
#include "engine/Sizing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The model of a cooler with the conductance set directly, in air of 20 degC at the reference
// altitude with an oil that corrects nothing.
ThermalModel ModelAt(float Altitude, float AirTemp = 20, double OilCorrection = 1, int Margin = 3) {
    return ThermalModel({AirTemp, Altitude, OilCorrection, Margin});
}

TEST(AirDensity, FollowsTheStandardAtmosphere) {
    const struct {
        double Altitude, Density, Tolerance;
    } cases[] = {{0, 1.3, 1e-12},      {500, 1.2123242, 1e-7}, {1000, 1.14, 0.005},
                 {2000, 0.995, 0.005}, {3000, 0.855, 0.005},   {4000, 0.755, 0.005}};
    for (const auto& c : cases)
        EXPECT_NEAR(ThermalModel::AirDensity(c.Altitude), c.Density, c.Tolerance) << c.Altitude;
}

TEST(ThermalModelTest, HeatDissipationAtTheReferenceAltitude) {
    // 1 kW/K, 40 K, 1 m3/s at 500 m: density ratio and altitude factor are both 1, so
    // H = 40 * (1.02 - 0.03) / (0.0015 * 40 / 1.2 + 1) = 39.6 / 1.05.
    ThermalModel model = ModelAt(500);
    model.SetConductance(10, 0, 0, 0.05, 0.5);
    ASSERT_DOUBLE_EQ(model.Conductance, 1);
    EXPECT_TRUE(model.Evaluate(60, 1));

    EXPECT_NEAR(model.Dissipation, 39.6 / 1.05, 1e-9);
    EXPECT_NEAR(model.AirTempOut, 39.6 / 1.05 / 1.2 + 20, 1e-9);
    EXPECT_NEAR(model.SpecificDissipation, 1.02 - 0.0015 * model.AirTempOut, 1e-12);
    EXPECT_FLOAT_EQ(model.LastSpecificDissipation, static_cast<float>(model.SpecificDissipation));
}

TEST(ThermalModelTest, AltitudeLowersTheConductance) {
    const double factorAt[] = {1.034375, 0.759375}; // at 0 m and 4000 m
    const float altitudes[] = {0, 4000};
    for (int i = 0; i < 2; ++i) {
        ThermalModel model = ModelAt(altitudes[i], 30, 0.9);
        model.Conductance = 2;
        model.Evaluate(70, 1.5);
        const double expected = 2 * 0.9 * (1.02 - 0.0015 * model.AirTempOut) * factorAt[i];
        EXPECT_NEAR(model.SpecificDissipation, expected, 1e-12);
        // Thinner air heats up more for the same heat.
        const double ratio = ThermalModel::AirDensity(ThermalModel::ReferenceAltitude) /
                             ThermalModel::AirDensity(altitudes[i]);
        EXPECT_NEAR(model.AirTempOut, model.Dissipation / 1.8 * ratio + 30, 1e-9);
    }
}

TEST(ThermalModelTest, DegenerateOperatingPointsGiveNoHeat) {
    const struct {
        const char* Name;
        double OilTemp;
        float AirTemp;
        double AirFlow;
    } cases[] = {{"oil as warm as air", 40, 40, 1.2},
                 {"no air flow", 60, 20, 0},
                 {"negative air flow", 60, 20, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ThermalModel model = ModelAt(500, c.AirTemp);
        model.Conductance = 1.5;
        model.Evaluate(c.OilTemp, c.AirFlow);
        EXPECT_TRUE(std::isfinite(model.AirTempOut));
        EXPECT_TRUE(std::isfinite(model.SpecificDissipation));
        if (c.OilTemp == c.AirTemp) {
            EXPECT_EQ(model.Dissipation, 0);
        }
        EXPECT_EQ(model.AirTempOut, c.AirTemp);
    }
}

TEST(ThermalModelTest, SaysWhenAModelCannotBeEvaluated) {
    // Far beyond the flows a model was measured for, its cubic conductance grows so large that
    // the closed solution and the specific heat dissipation no longer agree.
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
        ThermalModel model = ModelAt(500);
        model.Conductance = c.Conductance;
        EXPECT_EQ(model.Evaluate(60, 1), c.Evaluated) << c.Name;
    }
}

TEST(ThermalModelTest, OutletOilKeepsTheMarginAboveOutletAir) {
    // 100 l/min carries 3.1401 kW/K, so 31.401 kW cool the oil by 10 K: from 50 to 40 degC,
    // only 1 K above the 39 degC air. With a 3 K margin the outlet becomes 42 and the inlet 52.
    ThermalModel model = ModelAt(500, 20, 1, 3);
    double inlet = 50;
    EXPECT_TRUE(model.SetOutletOilTemp(100, 31.401, inlet, 39));
    EXPECT_NEAR(model.OilTempOut, 42, 1e-12);
    EXPECT_NEAR(inlet, 52, 1e-9);
}

TEST(ThermalModelTest, OutletOilFarFromAirIsLeftAlone) {
    ThermalModel model = ModelAt(500);
    double inlet = 80;
    EXPECT_TRUE(model.SetOutletOilTemp(100, 31.401, inlet, 30));
    EXPECT_NEAR(model.OilTempOut, 70, 1e-9);
    EXPECT_EQ(inlet, 80);
}

TEST(ThermalModelTest, MarginComparesHundredthsOfAKelvin) {
    // 2.999 K apart counts as 2.99 K: below a 3 K margin.
    ThermalModel model = ModelAt(500, 20, 1, 3);
    double inlet = 52.999 + 10;
    model.SetOutletOilTemp(100, 31.401, inlet, 50);
    EXPECT_NEAR(model.OilTempOut, 53, 1e-12);
    EXPECT_NEAR(inlet, 63, 1e-9);
}

TEST(ThermalModelTest, NoOilFlowMakesTheModelUnsuitable) {
    for (double flow : {0.0, -5.0}) {
        ThermalModel model = ModelAt(500);
        double inlet = 60;
        EXPECT_FALSE(model.SetOutletOilTemp(flow, 10, inlet, 30)) << flow;
        EXPECT_TRUE(std::isfinite(model.OilTempOut));
        EXPECT_EQ(inlet, 60);
    }
}

// A model record whose pressure drop has the flow part `E` (l/min)^0.25 + `F` (l/min)^0.5 +
// `G` l/min + `H`.
ModelRecord DropRecord(double E, double F, double G, double H) {
    ModelRecord record{};
    record[Catalogue::CoeffE] = E;
    record[Catalogue::CoeffF] = F;
    record[Catalogue::CoeffG] = G;
    record[Catalogue::CoeffH] = H;
    return record;
}

TEST(PressureDrop, FromTheFlowFunction) {
    // With a viscosity of 0 the correction is its constant term.
    const OilGrade noViscosity;
    EXPECT_NEAR(PressureDropOf(DropRecord(1, 1, 1, 1), noViscosity, 16, 50),
                0.32739647 * (2 + 4 + 16 + 1) * 100, 1e-9);
}

TEST(PressureDrop, ViscosityIsTakenAt100DegreesAtMost) {
    // viscosity 0.01 T^2: strongly temperature dependent above 100 degC too
    const OilGrade oil({0, 0, 0, 0, 0.01, 0, 0, 1});
    const ModelRecord record = DropRecord(0, 0, 0.01, 0.1);
    const double at100 = PressureDropOf(record, oil, 50, 100);
    EXPECT_DOUBLE_EQ(PressureDropOf(record, oil, 50, 120), at100);
    EXPECT_NE(PressureDropOf(record, oil, 50, 99), at100);
}

TEST(PressureDrop, WithoutFlowIsFinite) {
    const OilGrade noViscosity;
    const ModelRecord record = DropRecord(1, 1, 1, 0.5);
    EXPECT_NEAR(PressureDropOf(record, noViscosity, 0, 50), 0.32739647 * 50, 1e-9);
    EXPECT_TRUE(std::isfinite(PressureDropOf(record, noViscosity, -3, 50)));
}

} // namespace
