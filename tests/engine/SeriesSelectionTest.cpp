#include "core/ConvertError.h"
#include "core/EngineState.h"
#include "core/MessageService.h"
#include "core/RegionalSettings.h"
#include "engine/CoolerSeries.h"

#include <gtest/gtest.h>

namespace {

const QString FixtureDir = QStringLiteral(AIRCOOLER_TEST_DATA_DIR "/");
const QString NoCooler = QStringLiteral("No cooler can be selected!");

// Three coolers of about 19, 37 and 72 kW at 40 K, admitting 5-60, 20-150 and 50-300 l/min;
// three cooling systems at the pump flows 20, 40 and 55-80 l/min.
class SeriesSelection : public testing::Test {
protected:
    void SetUp() override {
        ResetEngineState();
        TEngineState& s = EngineState();
        s.NoCoolerStr = NoCooler;
        s.InMaxOilTemp = 60;
        s.InAirTemp = 20;
        s.InAltitude = 500;
        s.FlowUnitIdx = 1;
        s.HeatUnitIdx = 1;
        s.ShowMessagesFLG = true;
        s.NoOfCoolersVAM = 3;
        s.NoOfCoolersVCS = 3;
    }

    TFoundResult Choose(TCoolerSeries& series, const QStringList& names, int32_t& chosen) {
        series.PrepCoolChooseTbl(FixtureDir, names);
        uint8_t warnings = WR_NON;
        return series.ChooseCooler(chosen, warnings, FixtureDir, names);
    }

    TFoundResult ChooseVam(float flow, float heat, int32_t& chosen) {
        EngineState().InOilFlow = flow;
        EngineState().InHeatDissi = heat;
        TCoolerVAM series("FIX_S", FixtureDir, "ISO_VG_CONST");
        return Choose(series, VamNames, chosen);
    }

    const QStringList VamNames{"FIX_S", "FIX_M", "FIX_L"};
    const QStringList VcsNames{"VCS_A", "VCS_B", "VCS_C"};
    TScopedRegionalSettings Point{QLatin1Char('.')};
    TRecordingMessages Shown;
    TScopedMessageService Capture{Shown};
};

TEST_F(SeriesSelection, SmallestModelWithCapacityAndFlowWins) {
    const struct {
        float Flow, Heat;
        int Expected;
    } cases[] = {
        {40, 10, 0},  // the smallest suffices
        {40, 25, 1},  // too much for the smallest
        {60, 50, 2},  // only the largest
        {100, 10, 1}, // the smallest does not admit 100 l/min
        {250, 0, 2},  // no cooling required: the first model that admits the flow
        {10, 0, 0},
    };
    for (const auto& c : cases) {
        int32_t chosen = -1;
        EXPECT_EQ(ChooseVam(c.Flow, c.Heat, chosen), FR_FOUND) << c.Flow << " " << c.Heat;
        EXPECT_EQ(chosen, c.Expected) << c.Flow << " " << c.Heat;
    }
    EXPECT_TRUE(Shown.Shown.isEmpty());
    EXPECT_TRUE(EngineState().ShowMessagesFLG); // restored after the walk
}

// The outlet margin would raise the middle cooler's inlet above the maximum at 50 l/min: it
// does not meet the duty, and the walk goes on to the next larger one.
TEST_F(SeriesSelection, ModelNeedingItsInletAboveTheMaximumIsPassedBy) {
    int32_t chosen = -1;
    EXPECT_EQ(ChooseVam(50, 36, chosen), FR_FOUND);
    EXPECT_EQ(chosen, 2);
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

// At 20 l/min only the middle cooler admits the flow, and it would need its inlet far above
// 60 degC: the message names the oil-air difference from which it would do.
TEST_F(SeriesSelection, AirTooCloseToTheMaximumNamesTheDifferenceNeeded) {
    EngineState().AirTooCloseStr = QStringLiteral("needs %1");
    int32_t chosen = -1;
    EXPECT_EQ(ChooseVam(20, 25, chosen), FR_NON);
    ASSERT_EQ(Shown.Texts().size(), 1);
    const QString needed = Shown.Texts()[0];
    EXPECT_TRUE(needed.startsWith("needs ") && needed.endsWith(" K")) << needed.toStdString();
    const int difference = needed.section(' ', 1, 1).toInt();
    EXPECT_GT(difference, 40);
    EXPECT_LE(difference, 100);

    // With that difference the same duty is met.
    Shown.Shown.clear();
    EngineState().InMaxOilTemp = static_cast<float>(EngineState().InAirTemp + difference);
    EXPECT_EQ(ChooseVam(20, 25, chosen), FR_FOUND);
    EXPECT_EQ(chosen, 1);
}

TEST_F(SeriesSelection, ChosenModelIsRecalculatedInFull) {
    int32_t chosen = -1;
    ASSERT_EQ(ChooseVam(40, 25, chosen), FR_FOUND);
    // FIX_M: 1 kW/K at 0.97 oil correction, 2 m3/s of air
    const double expected = 0.97 * 40 * 0.99 / (1 + 0.0015 * 0.97 * 40 / 2.4);
    EXPECT_NEAR(EngineState().LastActualDissipation, expected, 1e-9);
    EXPECT_EQ(EngineState().AirFlowStr, "2.00 m³/s");
}

TEST_F(SeriesSelection, NoQualifyingModelIsToldOnce) {
    const struct { float Flow, Heat; } cases[] = {{400, 1}, {100, 500}};
    for (const auto& c : cases) {
        Shown.Shown.clear();
        int32_t chosen = -1;
        EXPECT_EQ(ChooseVam(c.Flow, c.Heat, chosen), FR_NON);
        EXPECT_EQ(Shown.Shown, (QList<TShownMessage>{{TMessageKind::Error, NoCooler}}));
    }
}

TEST_F(SeriesSelection, MissingOilFlowChoosesNothingAndSaysWhy) {
    TEngineState& s = EngineState();
    s.NotRecommendedStr = QStringLiteral("No cooler is recommended!");
    s.OilFlowCaptionStr = QStringLiteral("Oil flow");
    for (const char* typed : {"0", "-5", "0.005"}) {
        Shown.Shown.clear();
        s.OilFlowInputStr = QString::fromLatin1(typed);
        int32_t chosen = 7;
        EXPECT_EQ(ChooseVam(QString::fromLatin1(typed).toFloat(), 1, chosen), FR_OILFLOW_ZERO);
        EXPECT_EQ(chosen, 7);
        EXPECT_EQ(Shown.Shown,
                  (QList<TShownMessage>{
                      {TMessageKind::Information,
                       QStringLiteral("No cooler is recommended!\nOil flow: ") + typed}}));
    }

    // Where the page asked for silence, the walk keeps it.
    Shown.Shown.clear();
    s.ShowMessagesFLG = false;
    int32_t chosen = 7;
    EXPECT_EQ(ChooseVam(0, 1, chosen), FR_OILFLOW_ZERO);
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

TEST_F(SeriesSelection, ModelsThatCannotBeEvaluatedAreUnsuitableWithoutAMessage) {
    // At a flow no number holds, no model can be evaluated, and the user hears only that no
    // cooler can be selected.
    int32_t chosen = -1;
    EXPECT_EQ(ChooseVam(INFINITY, 5, chosen), FR_NON);
    EXPECT_EQ(Shown.Shown, (QList<TShownMessage>{{TMessageKind::Error, NoCooler}}));
}

TEST_F(SeriesSelection, CoolingSystemsRoundThePumpFlowAndTestCapacityOnly) {
    TEngineState& s = EngineState();
    s.InOilFlow = 39.6f;
    s.InHeatDissi = 25;
    TCoolerVCS series("VCS_A", FixtureDir, "ISO_VG_CONST");
    int32_t chosen = -1;
    EXPECT_EQ(Choose(series, VcsNames, chosen), FR_FOUND);
    EXPECT_EQ(s.InOilFlow, 40);
    EXPECT_EQ(chosen, 1);

    // 10 l/min is outside every pump flow: capacity alone decides, and equal limits switch the
    // full calculation's flow check off too.
    s.InOilFlow = 10;
    s.InHeatDissi = 5;
    EXPECT_EQ(Choose(series, VcsNames, chosen), FR_FOUND);
    EXPECT_EQ(chosen, 0);

    // No zero-flow test: the walk goes on and the smallest system has no capacity at zero flow
    // worth choosing - the thermal model still answers without failing.
    s.InOilFlow = 0;
    s.InHeatDissi = 5;
    EXPECT_NE(Choose(series, VcsNames, chosen), FR_OILFLOW_ZERO);
}

TEST_F(SeriesSelection, CoolingSystemsAreJudgedAndConfirmedAtTheirOwnPumpFlow) {
    // VCS_C runs at up to 80 l/min and removes 60 kW there; no entered flow changes the choice,
    // and the chosen system's flow is the one the results belong to.
    TEngineState& s = EngineState();
    for (float entered : {5.0f, 40.0f, 300.0f}) {
        SCOPED_TRACE(entered);
        s.InOilFlow = entered;
        s.InHeatDissi = 60;
        TCoolerVCS series("VCS_A", FixtureDir, "ISO_VG_CONST");
        int32_t chosen = -1;
        EXPECT_EQ(Choose(series, VcsNames, chosen), FR_FOUND);
        EXPECT_EQ(chosen, 2);
        EXPECT_EQ(s.InOilFlow, 80);
        EXPECT_GE(s.LastActualDissipation, 60);
    }
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

TEST_F(SeriesSelection, CoolingSystemWalkThatFindsNothingKeepsTheEnteredFlow) {
    TEngineState& s = EngineState();
    s.InOilFlow = 39.6f;
    s.InHeatDissi = 500;
    TCoolerVCS series("VCS_A", FixtureDir, "ISO_VG_CONST");
    int32_t chosen = -1;
    EXPECT_EQ(Choose(series, VcsNames, chosen), FR_NON);
    EXPECT_EQ(s.InOilFlow, 40);
    EXPECT_EQ(Shown.Texts(), QStringList{NoCooler});
}

TEST_F(SeriesSelection, SelectedModelRoundsThePumpFlowToo) {
    TEngineState& s = EngineState();
    s.InOilFlow = 54.5f;
    s.InHeatDissi = 10;
    TCoolerVCS series("VCS_C", FixtureDir, "ISO_VG_CONST");
    QString message;
    uint8_t warnings = WR_NON;
    EXPECT_EQ(series.CalcSelectedCooler(message, 255, 1, warnings), LR_OK);
    EXPECT_EQ(s.InOilFlow, 55);
    EXPECT_EQ(series.GetMaxOilFlowFloat(), 80);
}

TEST_F(SeriesSelection, ProtectionTexts) {
    EXPECT_EQ(TCoolerVAM("FIX_S", FixtureDir, "ISO_VG_CONST").SetIPTypeToVAM(), "IP 54");
    EXPECT_EQ(TCoolerVCS("VCS_A", FixtureDir, "ISO_VG_CONST").SetIPTypeToVCS(), "IP 55");
    EXPECT_EQ(TCoolerVHM("VHM_400_1500", FixtureDir, "ISO_VG_CONST").SetIPTypeToVHM(), "");
}

TEST_F(SeriesSelection, ModelCountBeyondTheNamesNeverReadsPastThem) {
    EngineState().NoOfCoolersVAM = 30;
    int32_t chosen = -1;
    EXPECT_EQ(ChooseVam(60, 50, chosen), FR_FOUND);
    EXPECT_EQ(chosen, 2);
}

TEST_F(SeriesSelection, MissingModelSectionStopsTheAction) {
    TCoolerVAM series("FIX_S", FixtureDir, "ISO_VG_CONST");
    EXPECT_THROW(series.PrepCoolChooseTbl(FixtureDir, {"FIX_S", "NOT_THERE", "FIX_L"}),
                 EConvertError);
    EXPECT_THROW(TCoolerVAM("FIX_S", FixtureDir, "ISO_VG_999"), EConvertError);
}

} // namespace
