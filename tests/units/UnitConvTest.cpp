#include "units/UnitConv.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Conversion = float (*)(int&, float, int);

struct ConversionCase {
    const char* Name;
    Conversion Convert;
    float Value;
    int Unit;
    double Expected;
    int ExpectedDecimals;
};

class UnitConversion : public testing::TestWithParam<ConversionCase> {};

TEST_P(UnitConversion, GivesValueAndDecimals) {
    const ConversionCase& c = GetParam();
    int decimals = -99;
    const float result = c.Convert(decimals, c.Value, c.Unit);
    EXPECT_NEAR(result, c.Expected, std::fabs(c.Expected) * 2e-6 + 1e-9);
    EXPECT_EQ(decimals, c.ExpectedDecimals);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, UnitConversion, testing::Values(
    ConversionCase{"ZeroCelsiusInFahrenheit", &TUnitConv::TempFromC, 0, 1, 32, 0},
    ConversionCase{"NegativeCelsiusHasOneDecimal", &TUnitConv::TempToC, -20, 0, -20, 1},
    ConversionCase{"HalfDegree", &TUnitConv::TempToC, 0.5f, 0, 0.5, 1},
    ConversionCase{"FahrenheitToCelsius", &TUnitConv::TempToC, 212, 1, 100, 0},
    ConversionCase{"HundredWatt", &TUnitConv::HeatDissiTokW, 100, 0, 0.1, 2},
    ConversionCase{"FiveThousandWatt", &TUnitConv::HeatDissiTokW, 5000, 0, 5, 2},
    ConversionCase{"KilowattUnchanged", &TUnitConv::HeatDissiTokW, 150, 1, 150, 0},
    ConversionCase{"KcalPerHour", &TUnitConv::HeatDissiTokW, 860.4f, 2, 1, 2},
    ConversionCase{"HorsePowerIsAnyOther", &TUnitConv::HeatDissiTokW, 1.341f, 4, 1, 2},
    ConversionCase{"KilowattInBtu", &TUnitConv::HeatDissiFromkW, 1, 3, 3412, 0},
    ConversionCase{"CubicMetrePerHour", &TUnitConv::FlowToLiterPerMin, 1, 0, 16.666667, 0},
    ConversionCase{"UsGallonPerMinute", &TUnitConv::FlowToLiterPerMin, 1, 4, 3.785, 1},
    ConversionCase{"CubicFootPerHour", &TUnitConv::FlowToLiterPerMin, 1, 3, 0.472, 2},
    ConversionCase{"LitrePerMinuteInCubicFeet", &TUnitConv::FlowFromLiterPerMin, 0.472f, 3, 1, 2},
    ConversionCase{"LitrePerMinuteInCubicMetre", &TUnitConv::FlowFromLiterPerMin, 1, 0, 0.06, 3},
    ConversionCase{"KilogramPerSecondOfOil", &TUnitConv::FlowToLiterPerMin, 0.89f, 2, 60, 0},
    ConversionCase{"PoundPerHourOfOil", &TUnitConv::FlowToLiterPerMin, 1000, 5, 8.4942391, 1},
    ConversionCase{"BtuPerPound", &TUnitConv::CapacitivityHeatToKJKgK, 1, 1, 4.16, 2},
    ConversionCase{"HalfBtuPerPound", &TUnitConv::CapacitivityHeatFromKJKgK, 2.08f, 1, 0.5, 2},
    ConversionCase{"DensityInPoundPerCubicFoot", &TUnitConv::DensityFromkg_dm3, 0.89f, 1, 55.5627, 1},
    ConversionCase{"DensityInPoundPerCubicInch", &TUnitConv::DensityFromkg_dm3, 0.89f, 2, 0.0321557, 3},
    ConversionCase{"FeetToMetres", &TUnitConv::LengthTom, 13123, 1, 3999.8904, 0},
    ConversionCase{"MetresToFeet", &TUnitConv::LengthFromm, 4000, 1, 13123.36, 0},
    ConversionCase{"NegativeLengthOneDecimal", &TUnitConv::LengthTom, -5000, 0, -5000, 1},
    ConversionCase{"CubicMetre", &TUnitConv::VolumeToliter, 0.5f, 1, 500, 0},
    ConversionCase{"NoVolumeUnitSelectedIsGallon", &TUnitConv::VolumeToliter, 1, -1, 3.7850114, 1},
    ConversionCase{"Quarts", &TUnitConv::VolumeFromliter, 1, 2, 1.057, 1},
    ConversionCase{"Pounds", &TUnitConv::WeightToKilo, 2.204623f, 1, 1, 1},
    ConversionCase{"WeightOrdinalTwoUnchanged", &TUnitConv::WeightToKilo, 5, 2, 5, 1},
    ConversionCase{"KilogramInPounds", &TUnitConv::WeightFromKilo, 10, 1, 22.04623, 0}),
    [](const testing::TestParamInfo<ConversionCase>& info) { return std::string(info.param.Name); });
// clang-format on

struct RoundTripCase {
    const char* Name;
    Conversion ToBase;
    Conversion FromBase;
    int UnitCount;
};

class UnitRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(UnitRoundTrip, FromBaseUndoesToBaseInEveryUnit) {
    const RoundTripCase& c = GetParam();
    int decimals = 0;
    for (int unit = -1; unit < c.UnitCount; ++unit) {
        for (float value : {0.37f, 12.5f, 480.0f, 25000.0f}) {
            const float base = c.ToBase(decimals, value, unit);
            const float back = c.FromBase(decimals, base, unit);
            // Single precision through the base unit: a few units of the last place, relative
            // to the larger of the two magnitudes (a Fahrenheit value near 0 passes -17.8 degC).
            const float scale = std::max(std::fabs(value), std::fabs(base));
            EXPECT_NEAR(back, value, scale * 1e-6) << "unit " << unit << " value " << value;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Quantities, UnitRoundTrip,
    testing::Values(
        RoundTripCase{"Temperature", &TUnitConv::TempToC, &TUnitConv::TempFromC, 2},
        RoundTripCase{"Flow", &TUnitConv::FlowToLiterPerMin, &TUnitConv::FlowFromLiterPerMin, 6},
        RoundTripCase{"Heat", &TUnitConv::HeatDissiTokW, &TUnitConv::HeatDissiFromkW, 5},
        RoundTripCase{"Capacity", &TUnitConv::CapacitivityHeatToKJKgK,
                      &TUnitConv::CapacitivityHeatFromKJKgK, 2},
        RoundTripCase{"Length", &TUnitConv::LengthTom, &TUnitConv::LengthFromm, 2},
        RoundTripCase{"Volume", &TUnitConv::VolumeToliter, &TUnitConv::VolumeFromliter, 5},
        RoundTripCase{"Density", &TUnitConv::DensityTokg_dm3, &TUnitConv::DensityFromkg_dm3, 3},
        RoundTripCase{"Weight", &TUnitConv::WeightToKilo, &TUnitConv::WeightFromKilo, 2}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.Name); });

TEST(UnitRoundTrip, PoundPerHourIsTheMassFlowOfKilogramPerSecond) {
    // 3600 kg/h of oil is 1 kg/s: both mass-flow rows must give the same volume flow.
    int decimals = 0;
    const float fromPounds = TUnitConv::FlowToLiterPerMin(decimals, 3600 / 0.45359237f, 5);
    const float fromKilograms = TUnitConv::FlowToLiterPerMin(decimals, 1, 2);
    EXPECT_NEAR(fromPounds, fromKilograms, 1e-4);
}

struct SchemeCase {
    float Value;
    int Ser1, Ser2, Ser4, Ser5;
};

TEST(DecimalSchemes, ThresholdsBelongToTheUpperRow) {
    const SchemeCase cases[] = {
        {-1000, 1, 1, 1, 1},  {0, 1, 1, 1, 1},     {0.00009f, 1, 1, 1, 1}, {0.0001f, 3, 4, 2, 5},
        {0.001f, 3, 3, 2, 4}, {0.01f, 3, 2, 2, 3}, {0.1f, 3, 1, 2, 2},     {0.99f, 3, 1, 2, 2},
        {1, 2, 0, 2, 1},      {9.99f, 2, 0, 2, 1}, {10, 1, 0, 1, 0},       {99.9f, 1, 0, 1, 0},
        {100, 0, 0, 0, 0},    {1e9f, 0, 0, 0, 0},
    };
    for (const SchemeCase& c : cases) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(TUnitConv::GetNoOfDeciSer1(c.Value), c.Ser1);
        EXPECT_EQ(TUnitConv::GetNoOfDeciSer2(c.Value), c.Ser2);
        EXPECT_EQ(TUnitConv::GetNoOfDeciSer4(c.Value), c.Ser4);
        EXPECT_EQ(TUnitConv::GetNoOfDeciSer5(c.Value), c.Ser5);
    }
}

TEST(SpecificHeat, PerDegreeFahrenheitGoesThroughTheHeatUnits) {
    EXPECT_NEAR(TUnitConv::SpecHeat_kW_C_To_BTU_hr_F(1), 3412 / 1.8, 1e-3);
    EXPECT_NEAR(TUnitConv::SpecHeat_kW_C_To_HP_F(2), 2 * 1.341 / 1.8, 1e-6);
}

TEST(ConvCTempToUnit, ConvertsAndCutsTheLabel) {
    double value = 100;
    QString label;
    TUnitConv::ConvCTempToUnit(value, label, 10, 1);
    EXPECT_DOUBLE_EQ(value, 212);
    EXPECT_EQ(label, QStringLiteral("°F"));

    value = 100;
    TUnitConv::ConvCTempToUnit(value, label, 1, 0);
    EXPECT_DOUBLE_EQ(value, 100);
    EXPECT_EQ(label, QStringLiteral("°"));
}

} // namespace
