#include "core/ConvertError.h"
#include "core/EngineState.h"
#include "core/MessageService.h"
#include "core/RegionalSettings.h"
#include "engine/CoolerHlp.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString FixtureDir = QStringLiteral(AIRCOOLER_TEST_DATA_DIR "/");

TEST(CatalogueReading, CommaOrPointAndNamesInAnyCase) {
    TScopedRegionalSettings comma(QLatin1Char(','));
    QTemporaryDir dir;
    QFile file(dir.filePath("Cat.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[vam_300_4_b]\r\nminflow=12,5\r\nMAXFLOW=12.5\r\n"
               "CoeffA=1e-7\r\nCoeffB=-2e-5\r\nCoeffC=3e-3\r\nCoeffD=0.04\r\nCoeffE=0.005\r\n"
               "CoeffF=0.006\r\nCoeffG=0.007\r\nCoeffH=0,5\r\nAirFlow=0.9\r\n"
               "MotorPower=1.1\r\nNoiseLevel=71\r\nFanDia=120\r\nCoolArea=0.13\r\n"
               "Weight=14\r\nOilVolume=1.5\r\nIP=55\r\n");
    file.close();
    TTableValue record{};
    TCoolerHlp::ReadCoolerIniFile(record, "VAM_300_4_B", dir.path() + "/", "Cat.ini");
    EXPECT_EQ(record[Catalogue::MinFlow], 12.5);
    EXPECT_EQ(record[Catalogue::MaxFlow], 12.5);
    EXPECT_EQ(record[Catalogue::CoeffH], 0.5);
    EXPECT_EQ(record[Catalogue::IP], 55);
}

TEST(CatalogueReading, StopsAtTheFirstUnusableValueKeepingEarlierOnes) {
    TTableValue record{};
    record.fill(-1);
    try {
        TCoolerHlp::ReadCoolerIniFile(record, "FIX_BROKEN", FixtureDir, "CnfAcEur.ini");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'zero' is not a valid floating point value for CoeffC "
                               "(CnfAcEur.ini [FIX_BROKEN])");
    }
    EXPECT_EQ(record[Catalogue::CoeffA], 0);
    EXPECT_EQ(record[Catalogue::CoeffB], 0);
    EXPECT_EQ(record[Catalogue::CoeffC], -1);
    EXPECT_THROW(TCoolerHlp::ReadCoolerIniFile(record, "NO_SUCH", FixtureDir, "CnfAcEur.ini"),
                 EConvertError);
    EXPECT_THROW(TCoolerHlp::ReadCoolerIniFile(record, "FIX_S", FixtureDir, "Missing.ini"),
                 EDataFileError);
}

class CoolerCalculation : public testing::Test {
protected:
    void SetUp() override {
        ResetEngineState();
        TEngineState& s = EngineState();
        s.InOilFlow = 55;
        s.InMaxOilTemp = 60;
        s.InAirTemp = 20;
        s.InAltitude = 500;
        s.InHeatDissi = 10;
        s.FlowUnitIdx = 1;
        s.HeatUnitIdx = 1;
        s.ShowMessagesFLG = true;
        s.AltitudeCaptionStr = QStringLiteral("Altitude");
        s.OutOfRangeStr = QStringLiteral("Outside the range!");
        Record.fill(0);
        Record[Catalogue::CoeffD] = 1; // 1 kW/K at any flow
        Record[Catalogue::MinFlow] = 5;
        Record[Catalogue::MaxFlow] = 60;
        Record[Catalogue::CoeffH] = 0.5;
        Record[Catalogue::AirFlow] = 2.5;
        Record[Catalogue::MotorPower] = 0.75;
        Record[Catalogue::NoiseLevel] = 70;
        Cooler.ReadOilIniFile("ISO_VG_CONST", FixtureDir);
        Cooler.AirDensity500m = TCoolerHlp::AirDensity(500);
    }
    TScopedRegionalSettings Point{QLatin1Char('.')};
    TRecordingMessages Shown;
    TScopedMessageService Capture{Shown};
    TCoolerHlp Cooler;
    TTableValue Record{};
    QString Message;
    uint8_t Warning = WR_NON;
};

TEST_F(CoolerCalculation, WritesEveryResultTextOfTheModel) {
    ASSERT_EQ(Cooler.CalcCoolerResults(Record, 1, 255, Message, Warning), LR_OK);
    const TEngineState& s = EngineState();
    // 0.97 kW/K, 40 K, 2.5 m3/s: H = 0.97 * 40 * 0.99 / (1 + 0.0015 * 0.97 * 40 / 3) = 37.68 kW
    EXPECT_NEAR(s.LastActualDissipation, 0.97 * 40 * 0.99 / (1 + 0.0015 * 0.97 * 40 / 3), 1e-9);
    EXPECT_EQ(s.OilTempInStr, "60 °C");
    EXPECT_EQ(s.AirTempOutStr, "33 °C"); // 20 + 37.68 / 3
    EXPECT_EQ(s.OilTempOutStr, "38 °C"); // 60 - 37.68 / (55 * 0.0314)
    EXPECT_EQ(s.HeatLoadStr, " 0.94 kW/°C");
    EXPECT_EQ(s.PressureDropStr, "0.50 bar"); // 0.5 at a viscosity correction of about 1
    EXPECT_EQ(s.AirFlowStr, "2.50 m³/s");
    EXPECT_EQ(s.MotorCapacityStr, "0.75 kW");
    EXPECT_EQ(s.NoiseLevelStr, "70 dB(A)");
    EXPECT_EQ(s.OilOutletTempColor, clWhite);
    EXPECT_EQ(Warning, WR_NON);
    EXPECT_TRUE(Message.isEmpty());
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

// A solved inlet temperature is a result: the model is evaluated there, below 10 degC or above
// 120 degC alike, while the maximum the user typed is checked and left as it is.
TEST_F(CoolerCalculation, SolvedInletTemperatureIsEvaluatedUncheckedAndLeavesTheMaximum) {
    TEngineState& s = EngineState();
    s.InAirTemp = 0;
    for (const double inlet : {4.0, 150.0}) {
        SCOPED_TRACE(inlet);
        ASSERT_EQ(Cooler.CalcCoolerResults(Record, 1, 255, Message, Warning, inlet), LR_OK);
        EXPECT_EQ(s.InMaxOilTemp, 60);
        EXPECT_GE(s.LastOilTempIn, inlet); // raised only where the outlet margin asks
        EXPECT_TRUE(Message.isEmpty());
    }
    // The user's own maximum is still checked.
    s.InMaxOilTemp = 130;
    s.MaxTempCaptionStr = QStringLiteral("Max. inlet oil temp.");
    EXPECT_EQ(Cooler.CalcCoolerResults(Record, 1, 255, Message, Warning, 60.0), LR_OIL_TEMP_ERR);
}

// The outlet margin raises the inlet temperature where the oil would leave too close to the
// air; a model that needs its inlet above the maximum for that is reported as such.
TEST_F(CoolerCalculation, InletRaisedForTheOutletMarginIsTheOneReported) {
    TEngineState& s = EngineState();
    s.InOilFlow = 10; // 37.7 kW would cool 10 l/min by 120 K
    ASSERT_EQ(Cooler.CalcCoolerResults(Record, 1, 255, Message, Warning), LR_OK);
    EXPECT_GT(s.LastOilTempIn, s.InMaxOilTemp);
    EXPECT_EQ(s.OilTempInStr.left(3).toInt() > 60, true) << s.OilTempInStr.toStdString();
}

TEST_F(CoolerCalculation, WhatCannotBeCalculatedGetsTheRangeMessageAndNoResult) {
    TEngineState& s = EngineState();
    s.OilFlowCaptionStr = QStringLiteral("Oil flow");
    s.HeatLoadCaptionStr = QStringLiteral("Sp. heat dissipation");
    const struct {
        const char* Name;
        float Flow;
        double MinFlow, MaxFlow, CoeffA;
        TLimitResultError Result;
        const char* Message;
    } cases[] = {
        // A flow whose conversion overflowed, even where equal limits switch the check off.
        {"infinite flow", INFINITY, 5, 60, 0, LR_FLOW_ERR,
         "Oil flow Outside the range! (5.00 - 60.0)"},
        {"infinite flow, no limits", INFINITY, 0, 0, 0, LR_FLOW_ERR,
         "Oil flow Outside the range! (0.0 - 0.0)"},
        {"negative infinite flow", -INFINITY, 0, 0, 0, LR_FLOW_ERR,
         "Oil flow Outside the range! (0.0 - 0.0)"},
        // A model far beyond the flows it was measured for cannot be evaluated.
        {"conductance beyond the model", 1e5f, 0, 0, 1, LR_SPEC_HEAT_DISSI_ERR,
         "Sp. heat dissipation Outside the range!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        s.InOilFlow = c.Flow;
        s.OilTempInStr = QStringLiteral("kept");
        Record[Catalogue::MinFlow] = c.MinFlow;
        Record[Catalogue::MaxFlow] = c.MaxFlow;
        Record[Catalogue::CoeffA] = c.CoeffA;
        Message.clear();
        EXPECT_EQ(Cooler.CalcCoolerResults(Record, 1, 255, Message, Warning), c.Result);
        EXPECT_EQ(Message, c.Message);
        EXPECT_EQ(s.OilTempInStr, "kept");
    }
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

TEST_F(CoolerCalculation, FixedInletModeUsSettingsAndUsUnits) {
    TEngineState& s = EngineState();
    s.FixedInletTempFLG = true;
    s.USVersionFLG = true;
    s.FlowUnitIdx = 4;
    s.OilTempUnitIdx = 1;
    Record[Catalogue::CoeffH] = 20; // about 6 bar
    ASSERT_EQ(Cooler.CalcCoolerResults(Record, 0, 255, Message, Warning), LR_OK);
    EXPECT_EQ(s.HeatLoadStr, " 37.7 kW");
    EXPECT_EQ(s.OilTempInStr, "140 °F");
    EXPECT_EQ(s.PressureDropStr, "> 200 psi");
    EXPECT_EQ(s.AirFlowStr, "5297 ft³/min");
    EXPECT_EQ(s.MotorCapacityStr, "1.0 HP");
}

TEST_F(CoolerCalculation, FailedCheckLeavesTheResultsAndWordsTheMessage) {
    EngineState().OilTempInStr = "unchanged";
    EngineState().InAltitude = 5000;
    EXPECT_EQ(Cooler.CalcCoolerResults(Record, 1, 255, Message, Warning), LR_ATITUDE_ERR);
    EXPECT_EQ(Message, "Altitude Outside the range! (0 - 4000)");
    EXPECT_EQ(EngineState().OilTempInStr, "unchanged");

    Message.clear();
    EngineState().ShowMessagesFLG = false;
    EXPECT_EQ(Cooler.CalcCoolerResults(Record, 1, 255, Message, Warning), LR_ATITUDE_ERR);
    EXPECT_TRUE(Message.isEmpty());

    EngineState().ShowMessagesFLG = true;
    EXPECT_EQ(Cooler.CalcCoolerResults(Record, 1, 8, Message, Warning), LR_ATITUDE_ERR);
    EXPECT_EQ(Message, "Altitude");
}

TEST_F(CoolerCalculation, FlowRangeAppliesOnlyWhenTheLimitsDiffer) {
    EngineState().InOilFlow = 70;
    EXPECT_EQ(Cooler.CalcCoolerResults(Record, 1, 255, Message, Warning), LR_FLOW_ERR);
    Record[Catalogue::MinFlow] = 40;
    Record[Catalogue::MaxFlow] = 40;
    EXPECT_EQ(Cooler.CalcCoolerResults(Record, 1, 255, Message, Warning), LR_OK);
}

TEST_F(CoolerCalculation, ZeroConductanceIsReportedAsSuch) {
    Record[Catalogue::CoeffD] = 0;
    EngineState().HeatLoadCaptionStr = QStringLiteral("Heat dissipation");
    EXPECT_EQ(Cooler.CalcCoolerResults(Record, 1, 255, Message, Warning), LR_SPEC_HEAT_DISSI_ERR);
    EXPECT_EQ(Message, "Heat dissipation Outside the range!");
}

} // namespace
