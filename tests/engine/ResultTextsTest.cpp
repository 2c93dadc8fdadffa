#include "core/EngineState.h"
#include "core/RegionalSettings.h"
#include "engine/CoolerHlp.h"

#include <gtest/gtest.h>

namespace {

class ResultTexts : public testing::Test {
protected:
    void SetUp() override { ResetEngineState(); }
    TScopedRegionalSettings Point{QLatin1Char('.')};
};

TEST_F(ResultTexts, TemperaturesSpecificHeatAndPower) {
    const struct {
        QString Actual;
        const char* Expected;
    } cases[] = {
        {TCoolerHlp::TemperatureToStr(55.4f, 0), "55 °C"},
        {TCoolerHlp::TemperatureToStr(55.4f, 1), "132 °F"},
        {TCoolerHlp::TemperatureToStr(-0.4f, 0), "0 °C"},
        {TCoolerHlp::SpecHeatToStr(0.4567, 1), " 0.46 kW/°C"},
        {TCoolerHlp::SpecHeatToStr(0.4567, 3), " 866 BTU/hr/°F"},
        {TCoolerHlp::SpecHeatToStr(0.4567, 4), " 0.34 HP/°F"},
        {TCoolerHlp::PowerToStr(12.34, 1), " 12.3 kW"},
        {TCoolerHlp::PowerToStr(12.34, 0), " 12340 W"},
        {TCoolerHlp::PowerToStr(1, 2), " 860 kcal_hr"},
        {TCoolerHlp::PowerToStr(1, 3), " 3412 BTU/hr"},
        {TCoolerHlp::PowerToStr(10, 4), " 13.4 HP"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Actual, QString::fromUtf8(c.Expected));
}

TEST_F(ResultTexts, PressureDropLimitsAndDecimals) {
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
        EXPECT_EQ(TCoolerHlp::PressureDropText(c.DropkPa, c.Unit), c.Expected)
            << c.DropkPa << " kPa, unit " << c.Unit;
}

TEST_F(ResultTexts, AirFlowInCubicMetresOrCubicFeet) {
    EXPECT_EQ(TCoolerHlp::AirFlowToStr(1, 1.25f), "1.25 m³/s");
    EXPECT_EQ(TCoolerHlp::AirFlowToStr(1, 9.999f), "10.00 m³/s");
    EXPECT_EQ(TCoolerHlp::AirFlowToStr(0, 10.0f), "10.0 m³/s");
    EXPECT_EQ(TCoolerHlp::AirFlowToStr(4, 1.0f), "2119 ft³/min");
}

TEST_F(ResultTexts, MotorPowerWeightAndTheFixedUnits) {
    EXPECT_EQ(TCoolerHlp::MotorCapacityToStr(0.75f, 1), "0.75 kW");
    EXPECT_EQ(TCoolerHlp::MotorCapacityToStr(0.75f, 0), "750 W");
    EXPECT_EQ(TCoolerHlp::MotorCapacityToStr(0.75f, 3), "2559 BTU/h");
    EXPECT_EQ(TCoolerHlp::WeightToStr(25.4f), "25 kg");
    EXPECT_EQ(TCoolerHlp::CoolerAreaToStr(1.5f), "1.50 m²");
    EXPECT_EQ(TCoolerHlp::OilVolumeToStr(2.25f), "2.25 liter");
    EXPECT_EQ(TCoolerHlp::NoiseLevelToStr(72.4f), "72 dB(A)");

    EngineState().USVersionFLG = true; // HP and pounds, whatever unit is asked for
    EXPECT_EQ(TCoolerHlp::MotorCapacityToStr(0.75f, 1), "1.0 HP");
    EXPECT_EQ(TCoolerHlp::MotorCapacityToStr(0.75f, 0), "1.0 HP");
    EXPECT_EQ(TCoolerHlp::WeightToStr(25), "55 lb");
    EXPECT_EQ(TCoolerHlp::WeightToStr(2), "4.4 lb");
}

TEST(ResultTextsRegional, NumbersTakeTheRegionalSeparatorButLimitTextsStandAsWritten) {
    TScopedRegionalSettings comma(QLatin1Char(','));
    EXPECT_EQ(TCoolerHlp::PressureDropText(123.4, 0), "1,2 bar");
    EXPECT_EQ(TCoolerHlp::PressureDropText(4, 0), "< 0.05 bar");
    EXPECT_EQ(TCoolerHlp::SpecHeatToStr(0.4567, 1), " 0,46 kW/°C");
}

class LimitMessages : public testing::Test {
protected:
    void SetUp() override {
        ResetEngineState();
        TEngineState& s = EngineState();
        s.OilFlowCaptionStr = QStringLiteral("Oil flow");
        s.MaxTempCaptionStr = QStringLiteral("Max. inlet oil temp.");
        s.AirTempCaptionStr = QStringLiteral("Max. ambient air temp.");
        s.AltitudeCaptionStr = QStringLiteral("Altitude");
        s.HeatDissiCaptionStr = QStringLiteral("Cooling required");
        s.HeatLoadCaptionStr = QStringLiteral("Heat dissipation");
        s.OutOfRangeStr = QStringLiteral("Outside the range!");
        s.FlowUnitIdx = 1;
        s.HeatUnitIdx = 1;
    }
    TScopedRegionalSettings Point{QLatin1Char('.')};
};

TEST_F(LimitMessages, WordedInTheUnitsOfThePage) {
    TEngineState& s = EngineState();
    const auto message = [](TLimitResultError r) { return TCoolerHlp::CheckLimitResult(r, 5, 60); };
    EXPECT_EQ(message(LR_OIL_TEMP_ERR), "Max. inlet oil temp. Outside the range! (10 - 120)");
    EXPECT_EQ(message(LR_FLOW_ERR), "Oil flow Outside the range! (5.00 - 60.0)");
    EXPECT_EQ(message(LR_AIR_TEMP_ERR), "Max. ambient air temp. Outside the range! (-30 - 50)");
    EXPECT_EQ(message(LR_ATITUDE_ERR), "Altitude Outside the range! (0 - 4000)");
    EXPECT_EQ(message(LR_HEAT_DISSI_ERR), "Cooling required: Outside the range! (0 - 800)");
    EXPECT_EQ(message(LR_INOIL_AIR_TEMP_ERR),
              "Max. inlet oil temp. - Max. ambient air temp. Outside the range!");
    EXPECT_EQ(message(LR_SPEC_HEAT_DISSI_ERR), "Heat dissipation Outside the range!");
    EXPECT_EQ(message(LR_OK), "");
    EXPECT_EQ(message(LR_UNKNOWN_ERR), "");

    s.OilTempUnitIdx = 1;
    s.AirTempUnitIdx = 1;
    s.AltitudeUnitIdx = 1;
    s.HeatUnitIdx = 4;
    s.FlowUnitIdx = 4;
    EXPECT_EQ(message(LR_OIL_TEMP_ERR), "Max. inlet oil temp. Outside the range! (50 - 248)");
    EXPECT_EQ(message(LR_AIR_TEMP_ERR), "Max. ambient air temp. Outside the range! (-22 - 122)");
    EXPECT_EQ(message(LR_ATITUDE_ERR), "Altitude Outside the range! (0 - 13123)");
    EXPECT_EQ(message(LR_HEAT_DISSI_ERR), "Cooling required: Outside the range! (0 - 1072)");
    EXPECT_EQ(message(LR_FLOW_ERR), "Oil flow Outside the range! (1.32 - 15.9)");
}

TEST_F(LimitMessages, LowerLimitsRoundUpAndUpperLimitsDown) {
    EXPECT_EQ(TCoolerHlp::GetMinHeatDissi(0), "0");
    EXPECT_EQ(TCoolerHlp::GetMaxHeatDissi(1), "800");
    EXPECT_EQ(TCoolerHlp::GetMinOilTemp(1), "50");
    EXPECT_EQ(TCoolerHlp::GetMaxAltetude(1), "13123"); // 13123.36 ft
    EXPECT_EQ(TCoolerHlp::GetMinAirTemp(1), "-22");
}

} // namespace
