// "Calculate New Cooler" in the engine: the smallest model of a series that meets the duty.
#include "engine/Sizing.h"
#include "core/RegionalSettings.h"
#include "engine/CoolerCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString FixtureDir = QStringLiteral(AIRCOOLER_TEST_DATA_DIR "/");

QList<ModelRecord> FixtureModels(const QStringList& Sections, const QString& FileName) {
    QList<ModelRecord> models;
    for (const QString& section : Sections)
        models.append(ReadModelRecord(section, FixtureDir, FileName));
    return models;
}

// Three coolers of about 19, 37 and 72 kW at 40 K, admitting 5-60, 20-150 and 50-300 l/min;
// three cooling systems at the pump flows 20, 40 and 55-80 l/min. The oil leaves the
// cooling required held, at most 60 degC in air of 20 degC at the reference altitude.
class Sizing : public testing::Test {
protected:
    Sizing() {
        Point.MaxInletOilTemp = 60;
        Point.AirTemp = 20;
        Point.Altitude = 500;
    }

    SizingResult SizeCooler(float Flow, float Heat) {
        Point.Series = AC_Cooler;
        Point.OilFlow = Flow;
        Point.CoolingRequired = Heat;
        return Size(Point, Coolers, Oil);
    }

    SizingResult SizeSystem(float Flow, float Heat) {
        Point.Series = VCS_Cooler;
        Point.OilFlow = Flow;
        Point.CoolingRequired = Heat;
        return Size(Point, Systems, Oil);
    }

    TScopedRegionalSettings Separator{QLatin1Char('.')};
    OperatingPoint Point;
    const QList<ModelRecord> Coolers = FixtureModels({"FIX_S", "FIX_M", "FIX_L"}, "CnfAcEur.ini");
    const QList<ModelRecord> Systems = FixtureModels({"VCS_A", "VCS_B", "VCS_C"}, "CnfVcEur.ini");
    const OilGrade Oil = OilGrade::Read("ISO_VG_CONST", FixtureDir);
};

TEST_F(Sizing, SmallestModelWithCapacityAndFlowWins) {
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
        const SizingResult result = SizeCooler(c.Flow, c.Heat);
        EXPECT_EQ(result.Outcome, SizingOutcome::Chosen) << c.Flow << " " << c.Heat;
        EXPECT_EQ(result.Chosen(), c.Expected) << c.Flow << " " << c.Heat;
    }
}

// The outlet margin would raise the middle cooler's inlet above the maximum at 50 l/min: it
// does not meet the duty, and the walk goes on to the next larger one.
TEST_F(Sizing, ModelNeedingItsInletAboveTheMaximumIsPassedBy) {
    const SizingResult result = SizeCooler(50, 36);
    EXPECT_EQ(result.Outcome, SizingOutcome::Chosen);
    EXPECT_EQ(result.Chosen(), 2);
}

// At 20 l/min only the middle cooler admits the flow, and it would need its inlet far above
// 60 degC: the outcome names the oil-air difference from which it would do.
TEST_F(Sizing, AirTooCloseToTheMaximumNamesTheDifferenceNeeded) {
    const SizingResult tooClose = SizeCooler(20, 25);
    ASSERT_EQ(tooClose.Outcome, SizingOutcome::AirTooClose);
    EXPECT_TRUE(tooClose.Candidates.isEmpty());
    // Named in whole kelvin, rounded up so that the difference named suffices.
    const double difference = std::ceil(tooClose.NeededDifference);
    EXPECT_GT(difference, 40);
    EXPECT_LE(difference, 100);

    // With that difference the same duty is met.
    Point.MaxInletOilTemp = static_cast<float>(Point.AirTemp + difference);
    const SizingResult met = SizeCooler(20, 25);
    EXPECT_EQ(met.Outcome, SizingOutcome::Chosen);
    EXPECT_EQ(met.Chosen(), 1);
}

// The chosen model comes first, rated in full at the point: at the inlet temperature at which
// it removes the cooling required.
TEST_F(Sizing, ChosenModelIsRatedInFull) {
    const SizingResult result = SizeCooler(40, 25);
    ASSERT_EQ(result.Chosen(), 1);
    const Rating& chosen = result.Candidates[0].Result;
    EXPECT_NEAR(chosen.Dissipation, 25, 0.01);
    EXPECT_LT(chosen.InletOilTemp, 60);
    // FIX_M: 1 kW/K at 0.97 oil correction, 2 m3/s of air
    EXPECT_NEAR(chosen.OutletAirTemp, 20 + chosen.Dissipation / 2.4, 1e-9);
    EXPECT_FLOAT_EQ(chosen.SpecificDissipation, 0.97 * (1.02 - 0.0015 * chosen.OutletAirTemp));
}

// The chosen model is listed with its larger neighbour where that suffices too, and with its
// smaller one, marked as falling short.
TEST_F(Sizing, NeighboursAreListedAfterTheChosenModel) {
    const SizingResult result = SizeCooler(60, 25);
    ASSERT_EQ(result.Outcome, SizingOutcome::Chosen);
    QList<int> positions;
    QList<bool> undersized;
    for (const Candidate& candidate : result.Candidates) {
        positions.append(candidate.Position);
        undersized.append(candidate.Undersized);
    }
    EXPECT_EQ(positions, (QList<int>{1, 2, 0}));
    EXPECT_EQ(undersized, (QList<bool>{false, false, true}));
}

TEST_F(Sizing, NoQualifyingModelChoosesNothing) {
    const struct { float Flow, Heat; } cases[] = {{400, 1}, {100, 500}};
    for (const auto& c : cases) {
        const SizingResult result = SizeCooler(c.Flow, c.Heat);
        EXPECT_EQ(result.Outcome, SizingOutcome::NoCooler) << c.Flow << " " << c.Heat;
        EXPECT_TRUE(result.Candidates.isEmpty());
        EXPECT_EQ(result.Chosen(), -1);
    }
}

TEST_F(Sizing, MissingOilFlowChoosesNothing) {
    for (const float flow : {0.0f, -5.0f, 0.005f}) {
        const SizingResult result = SizeCooler(flow, 1);
        EXPECT_EQ(result.Outcome, SizingOutcome::NoOilFlow) << flow;
        EXPECT_TRUE(result.Candidates.isEmpty());
    }
}

// At a flow no number holds, no model can be evaluated: none is chosen, and no limit is
// blamed.
TEST_F(Sizing, ModelsThatCannotBeEvaluatedAreUnsuitable) {
    const SizingResult result = SizeCooler(INFINITY, 5);
    EXPECT_EQ(result.Outcome, SizingOutcome::NoCooler);
    EXPECT_EQ(result.InputRefusal, LR_OK);
}

TEST_F(Sizing, InputOutsideItsRangeIsRefusedBeforeAnyModel) {
    Point.AirTemp = 55;
    const SizingResult result = SizeCooler(40, 10);
    EXPECT_EQ(result.Outcome, SizingOutcome::InputRefused);
    EXPECT_EQ(result.InputRefusal, LR_AIR_TEMP_ERR);
    EXPECT_TRUE(result.Candidates.isEmpty());
}

TEST_F(Sizing, CoolingSystemsRunAtTheirPumpFlowAndAreJudgedByCapacityOnly) {
    SizingResult result = SizeSystem(39.6f, 25);
    EXPECT_EQ(result.Chosen(), 1);
    EXPECT_EQ(result.Candidates[0].Result.OilFlow, 40);

    // 10 l/min is outside every pump flow: capacity alone decides, and equal limits switch the
    // rating's flow check off too.
    result = SizeSystem(10, 5);
    EXPECT_EQ(result.Outcome, SizingOutcome::Chosen);
    EXPECT_EQ(result.Chosen(), 0);

    // No zero-flow test: each system runs at its own pump's flow whatever is entered.
    EXPECT_NE(SizeSystem(0, 5).Outcome, SizingOutcome::NoOilFlow);
}

TEST_F(Sizing, CoolingSystemsAreJudgedAndRatedAtTheirOwnPumpFlow) {
    // VCS_C runs at up to 80 l/min and removes 60 kW there; no entered flow changes the choice,
    // and the chosen system's flow is the one its results belong to.
    for (const float entered : {5.0f, 40.0f, 300.0f}) {
        SCOPED_TRACE(entered);
        const SizingResult result = SizeSystem(entered, 60);
        ASSERT_EQ(result.Chosen(), 2);
        const Rating& chosen = result.Candidates[0].Result;
        EXPECT_EQ(chosen.OilFlow, 80);
        EXPECT_FALSE(chosen.RemovesTooLittle);
        EXPECT_FALSE(chosen.InletAboveMaximum);
    }
}

TEST_F(Sizing, CoolingSystemsWithoutEnoughCapacityChooseNothing) {
    const SizingResult result = SizeSystem(39.6f, 500);
    EXPECT_EQ(result.Outcome, SizingOutcome::NoCooler);
    EXPECT_TRUE(result.Candidates.isEmpty());
}

TEST(OperatingPointCheck, FirstFailingTestWinsAndBoundsAreInclusive) {
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
        OperatingPoint point;
        point.MaxInletOilTemp = c.MaxTemp;
        point.AirTemp = c.AirTemp;
        point.Altitude = c.Altitude;
        point.CoolingRequired = c.Heat;
        EXPECT_EQ(CheckOperatingPoint(point), c.Expected)
            << c.MaxTemp << " " << c.AirTemp << " " << c.Altitude << " " << c.Heat;
    }
}

} // namespace
