#include "units/QuantityTexts.h"
#include "core/RegionalSettings.h"
#include "units/Units.h"

#include <gtest/gtest.h>

namespace {

class QuantityTexts : public testing::Test {
protected:
    TScopedRegionalSettings Point{QLatin1Char('.')};
};

TEST_F(QuantityTexts, TemperaturesSpecificDissipationAndHeat) {
    const struct {
        QString Actual;
        const char* Expected;
    } cases[] = {
        {TemperatureText(55.4f, 0), "55 °C"},
        {TemperatureText(55.4f, 1), "132 °F"},
        {TemperatureText(-0.4f, 0), "0 °C"},
        {SpecificDissipationText(0.4567, 1), " 0.46 kW/°C"},
        {SpecificDissipationText(0.4567, 3), " 866 BTU/hr/°F"},
        {SpecificDissipationText(0.4567, 4), " 0.34 HP/°F"},
        {HeatText(12.34, 1), " 12.3 kW"},
        {HeatText(12.34, 0), " 12340 W"},
        {HeatText(1, 2), " 860 kcal_hr"},
        {HeatText(1, 3), " 3412 BTU/hr"},
        {HeatText(10, 4), " 13.4 HP"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Actual, QString::fromUtf8(c.Expected));
}

TEST_F(QuantityTexts, PressureDropLimitsAndDecimals) {
    const struct {
        double DropkPa;
        int Unit;
        const char* Expected;
    } cases[] = {
        {123.4, 0, "1.2 bar"},      {62.4, 0, "0.62 bar"},     {1400, 0, "14 bar"},
        {1400, 2, "203 psi"},       {1400, 1, "1400 kPa"},     {1400.01, 0, "> 14 bar"},
        {1400.01, 1, "> 1400 kPa"}, {1400.01, 2, "> 200 psi"}, {5, 0, "0.050 bar"},
        {4.99, 0, "< 0.05 bar"},    {4.99, 1, "< 5 kPa"},      {4.99, 2, "< 0.7 psi"},
        {100, 2, "15 psi"},         {50, 2, "7.3 psi"},        {999.5, 1, "1000 kPa"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PressureDropText(c.DropkPa, c.Unit), c.Expected)
            << c.DropkPa << " kPa, unit " << c.Unit;
}

TEST_F(QuantityTexts, AirFlowInCubicMetresOrCubicFeet) {
    EXPECT_EQ(AirFlowText(1.25f, Ord(TFlow::l_min)), "1.25 m³/s");
    EXPECT_EQ(AirFlowText(9.999f, Ord(TFlow::l_min)), "10.00 m³/s");
    EXPECT_EQ(AirFlowText(10.0f, Ord(TFlow::m3_h)), "10.0 m³/s");
    EXPECT_EQ(AirFlowText(1.0f, Ord(TFlow::USgal_min)), "2119 ft³/min");
}

TEST_F(QuantityTexts, MotorPowerWeightAndTheFixedUnits) {
    EXPECT_EQ(MotorPowerText(0.75f, 1), "0.75 kW");
    EXPECT_EQ(MotorPowerText(0.75f, 0), "750 W");
    EXPECT_EQ(MotorPowerText(0.75f, 3), "2559 BTU/h");
    EXPECT_EQ(MotorPowerText(0.75f, 4), "1.0 HP");
    EXPECT_EQ(WeightText(25.4f, Ord(TWeight::kg)), "25 kg");
    EXPECT_EQ(WeightText(25, Ord(TWeight::lb)), "55 lb");
    EXPECT_EQ(WeightText(2, Ord(TWeight::lb)), "4.4 lb");
    EXPECT_EQ(CoolingAreaText(1.5f), "1.50 m²");
    EXPECT_EQ(OilVolumeText(2.25f), "2.25 liter");
    EXPECT_EQ(NoiseLevelText(72.4f), "72 dB(A)");
}

// A list with nothing selected reports -1, which converts like the list's last unit.
TEST_F(QuantityTexts, UnitBeyondTheListIsWrittenLikeItsLastUnit) {
    EXPECT_EQ(HeatText(10, -1), HeatText(10, 4));
    EXPECT_EQ(MotorPowerText(0.75f, 7), "1.0 HP");
    EXPECT_EQ(PressureDropText(100, -1), PressureDropText(100, 2));
}

TEST(QuantityTextsRegional, NumbersTakeTheRegionalSeparatorButLimitTextsStandAsWritten) {
    TScopedRegionalSettings comma(QLatin1Char(','));
    EXPECT_EQ(PressureDropText(123.4, 0), "1,2 bar");
    EXPECT_EQ(PressureDropText(4, 0), "< 0.05 bar");
    EXPECT_EQ(SpecificDissipationText(0.4567, 1), " 0,46 kW/°C");
}

} // namespace
