#include "heatload/CoolCalc.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

// One measurement in base units: litre, kg/dm³, kJ/(kg·K), °C, °C, minutes.
struct TMeasurement {
    float Volume = 200;
    float Density = 0.89f;
    float HeatCapa = 2.08f;
    float StartTemp = 20;
    float EndTemp = 50;
    float TimeInterval = 30;
};

TCoolCalcResult Check(TCoolCalc& calc, const TMeasurement& m) {
    return calc.IndataOk(m.Volume, m.Density, m.HeatCapa, m.StartTemp, m.EndTemp, m.TimeInterval);
}

TEST(CoolCalc, MeasuredRiseGivesTheCoolingInKilowatts) {
    TCoolCalc calc;
    ASSERT_EQ(Check(calc, {}), CoolInDataOk);
    float value = 0;
    calc.CoolCalculate(value);
    // 200 l x 0.89 kg/l x 2.08 kJ/(kg K) x 30 K in 1800 s.
    EXPECT_FLOAT_EQ(value, 6.1706667f);
}

TEST(CoolCalc, AnswersMinusOneForValuesThatDidNotPass) {
    TCoolCalc unchecked;
    float value = 0;
    unchecked.CoolCalculate(value);
    EXPECT_EQ(value, -1);

    // A calculator that once passed answers for its latest check only.
    TCoolCalc calc;
    ASSERT_EQ(Check(calc, {}), CoolInDataOk);
    ASSERT_EQ(Check(calc, {.Volume = 0}), CoolVolumeErr);
    calc.CoolCalculate(value);
    EXPECT_EQ(value, -1);

    // Another calculator's pass is not this one's.
    TCoolCalc other;
    other.CoolCalculate(value);
    EXPECT_EQ(value, -1);
}

TEST(CoolCalc, CoolingTooLargeForSinglePrecisionIsItsLargestValue) {
    TCoolCalc calc;
    ASSERT_EQ(Check(calc, {.Volume = 3000,
                           .Density = 2,
                           .StartTemp = -30,
                           .EndTemp = 100,
                           .TimeInterval = 1e-40f}),
              CoolInDataOk);
    float value = 0;
    calc.CoolCalculate(value);
    EXPECT_EQ(value, std::numeric_limits<float>::max());
}

struct TVerdictCase {
    const char* Name;
    TMeasurement Measurement;
    TCoolCalcResult Verdict;
};

class Verdict : public testing::TestWithParam<TVerdictCase> {};

TEST_P(Verdict, OfTheLastCheckThatFails) {
    TCoolCalc calc;
    EXPECT_EQ(Check(calc, GetParam().Measurement), GetParam().Verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, Verdict,
    testing::Values(
        TVerdictCase{"VolumeAtItsLimit", {.Volume = 3000}, CoolInDataOk},
        TVerdictCase{"VolumeAboveItsLimit", {.Volume = 3000.5f}, CoolVolumeErr},
        TVerdictCase{"NoVolume", {.Volume = 0}, CoolVolumeErr},
        TVerdictCase{"DensityAtItsLimit", {.Density = 2}, CoolInDataOk},
        TVerdictCase{"DensityAboveItsLimit", {.Density = 2.0001f}, CoolDensityErr},
        TVerdictCase{"NoDensity", {.Density = 0}, CoolDensityErr},
        // 2,1 is held just below 2.1 and passes; 1,8 is held just below 1.8 and does not.
        TVerdictCase{"HeatCapaHeldJustBelowTheUpperLimit", {.HeatCapa = 2.1f}, CoolInDataOk},
        TVerdictCase{"HeatCapaHeldJustBelowTheLowerLimit", {.HeatCapa = 1.8f}, CoolHeatCapaErr},
        TVerdictCase{"HeatCapaAboveItsRange", {.HeatCapa = 2.1000001f}, CoolHeatCapaErr},
        TVerdictCase{"StartAtItsLowerLimit", {.StartTemp = -30}, CoolInDataOk},
        TVerdictCase{"StartBelowItsLowerLimit", {.StartTemp = -30.001f}, CoolStartTempErr},
        TVerdictCase{
            "StartAboveItsUpperLimit", {.StartTemp = 100.5f, .EndTemp = 100}, CoolStartEndTempErr},
        TVerdictCase{"EndAtItsLimit", {.EndTemp = 100}, CoolInDataOk},
        TVerdictCase{"EndAboveItsLimit", {.EndTemp = 100.001f}, CoolEndtempErr},
        TVerdictCase{"EndBelowStart", {.StartTemp = 50, .EndTemp = 20}, CoolStartEndTempErr},
        TVerdictCase{"EndEqualToStart", {.StartTemp = 50, .EndTemp = 50}, CoolStartEndTempErr},
        TVerdictCase{"NoTime", {.TimeInterval = 0}, CoolTimeIntervalErr},
        TVerdictCase{"NegativeTime", {.TimeInterval = -5}, CoolTimeIntervalErr},
        // A freshly reset page: volume, temperatures and time all fail; the time speaks last.
        TVerdictCase{"ResetPage",
                     {.Volume = 0, .StartTemp = 0, .EndTemp = 0, .TimeInterval = 0},
                     CoolTimeIntervalErr},
        TVerdictCase{"VolumeAndDensity", {.Volume = 0, .Density = 0}, CoolDensityErr},
        TVerdictCase{"StartAndEnd", {.StartTemp = 150, .EndTemp = 120}, CoolStartEndTempErr},
        TVerdictCase{"FarOutside", {.Volume = 1e30f, .Density = -1e30f}, CoolDensityErr}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
