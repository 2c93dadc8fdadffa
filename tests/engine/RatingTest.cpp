// "Calculate Selected Cooler" in the engine: one model rated at an operating point.
#include "core/RegionalSettings.h"
#include "engine/CoolerCatalogue.h"
#include "engine/Sizing.h"
#include "units/QuantityTexts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString FixtureDir = QStringLiteral(AIRCOOLER_TEST_DATA_DIR "/");

// A cooler of 1 kW/K at any flow with 2.5 m3/s of air, admitting 5 to 60 l/min, at 55 l/min of
// oil of at most 60 degC in air of 20 degC at the reference altitude, with the inlet
// temperature held at its maximum.
class ModelRating : public testing::Test {
protected:
    ModelRating() {
        Point.Series = AC_Cooler;
        Point.OilFlow = 55;
        Point.MaxInletOilTemp = 60;
        Point.AirTemp = 20;
        Point.Altitude = 500;
        Point.CoolingRequired = 10;
        Point.InletTempHeld = true;
        Record[Catalogue::CoeffD] = 1;
        Record[Catalogue::MinFlow] = 5;
        Record[Catalogue::MaxFlow] = 60;
        Record[Catalogue::CoeffH] = 0.5;
        Record[Catalogue::AirFlow] = 2.5;
    }

    Rating RateRecord() const { return Rate(Point, Record, Oil); }
    // Why the record is refused at the point; LR_OK when it is rated.
    TLimitResultError Refusal() const {
        const Rating rating = RateRecord();
        return rating.Refusal ? rating.Refusal->Code : LR_OK;
    }

    TScopedRegionalSettings Separator{QLatin1Char('.')};
    OperatingPoint Point;
    ModelRecord Record{};
    const OilGrade Oil = OilGrade::Read("ISO_VG_CONST", FixtureDir);
};

// The heat capacity flow of `Flow` l/min of oil, kW/K.
double OilCapacityFlow(double Flow) {
    return Flow * 60 * 0.9 * 0.5 * 1.163 * 0.001;
}

TEST_F(ModelRating, GivesEveryResultOfTheModel) {
    const Rating rating = RateRecord();
    ASSERT_TRUE(rating.Rated());
    // 0.97 kW/K, 40 K, 2.5 m3/s: H = 0.97 * 40 * 0.99 / (1 + 0.0015 * 0.97 * 40 / 3) = 37.68 kW
    const double heat = 0.97 * 40 * 0.99 / (1 + 0.0015 * 0.97 * 40 / 3);
    EXPECT_NEAR(rating.Dissipation, heat, 1e-9);
    EXPECT_EQ(rating.OilFlow, 55);
    EXPECT_EQ(rating.InletOilTemp, 60);
    EXPECT_NEAR(rating.OutletAirTemp, 20 + heat / 3, 1e-9);
    EXPECT_NEAR(rating.OutletOilTemp, 60 - heat / OilCapacityFlow(55), 1e-9);
    EXPECT_FLOAT_EQ(rating.SpecificDissipation, 0.97 * (1.02 - 0.0015 * rating.OutletAirTemp));
    // 0.5 bar at a viscosity correction of about 1, at the mean oil temperature.
    EXPECT_DOUBLE_EQ(rating.PressureDrop,
                     PressureDropOf(Record, Oil, 55, (60 + rating.OutletOilTemp) / 2));
    EXPECT_NEAR(rating.PressureDrop, 50, 0.5);
    EXPECT_TRUE(rating.OutletMarginKept);
    EXPECT_FALSE(rating.RemovesTooLittle);
    EXPECT_FALSE(rating.InletAboveMaximum);
    EXPECT_FALSE(rating.SolvingRefusal);

    // As the page writes them.
    EXPECT_EQ(TemperatureText(static_cast<float>(rating.InletOilTemp), 0), "60 °C");
    EXPECT_EQ(TemperatureText(static_cast<float>(rating.OutletAirTemp), 0), "33 °C");
    EXPECT_EQ(TemperatureText(static_cast<float>(rating.OutletOilTemp), 0), "38 °C");
    EXPECT_EQ(SpecificDissipationText(rating.SpecificDissipation, 1), " 0.94 kW/°C");
    EXPECT_EQ(PressureDropText(rating.PressureDrop, 0), "0.50 bar");
}

// With the cooling held, the inlet temperature is the one at which the model removes exactly
// the cooling required: a result, evaluated below 10 degC or above 120 degC alike, while the
// maximum the user typed is still checked.
TEST_F(ModelRating, SolvedInletTemperatureIsEvaluatedUncheckedBeyondTheEntryRange) {
    Point.InletTempHeld = false;
    Point.AirTemp = 0;
    const struct {
        float Cooling;
        bool BelowRange;
    } cases[] = {{4, true}, {150, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Cooling);
        Point.CoolingRequired = c.Cooling;
        const Rating rating = RateRecord();
        ASSERT_TRUE(rating.Rated());
        EXPECT_FALSE(rating.SolvingRefusal);
        if (c.BelowRange) {
            EXPECT_LT(rating.InletOilTemp, MinInletOilTemp);
        } else {
            EXPECT_GT(rating.InletOilTemp, MaxInletOilTemp);
        }
        // Above the maximum it does not meet the duty, and removes too little there.
        EXPECT_EQ(rating.InletAboveMaximum, !c.BelowRange);
        EXPECT_EQ(rating.RemovesTooLittle, !c.BelowRange);
    }
    // At the solved temperature the model removes the 150 kW required.
    EXPECT_NEAR(RateRecord().Dissipation, 150, 0.01);

    // The user's own maximum is still checked.
    Point.MaxInletOilTemp = 130;
    EXPECT_EQ(Refusal(), LR_OIL_TEMP_ERR);
}

// The outlet margin raises the inlet temperature where the oil would leave too close to the
// air; a model that needs its inlet above the maximum for that is reported as such.
TEST_F(ModelRating, InletRaisedForTheOutletMarginIsTheOneReported) {
    Point.OilFlow = 10; // 37.7 kW would cool 10 l/min by 120 K
    const Rating rating = RateRecord();
    ASSERT_TRUE(rating.Rated());
    EXPECT_GT(rating.InletOilTemp, Point.MaxInletOilTemp);
    EXPECT_TRUE(rating.InletAboveMaximum);
    EXPECT_TRUE(rating.OutletMarginKept);
    EXPECT_GT(TemperatureText(static_cast<float>(rating.InletOilTemp), 0).left(3).toInt(), 60);
}

TEST_F(ModelRating, WhatCannotBeCalculatedIsRefusedWithTheFlowRangeAndNoResult) {
    const struct {
        const char* Name;
        float Flow;
        double MinFlow, MaxFlow, CoeffA;
        TLimitResultError Code;
    } cases[] = {
        // A flow whose conversion overflowed, even where equal limits switch the check off.
        {"infinite flow", INFINITY, 5, 60, 0, LR_FLOW_ERR},
        {"infinite flow, no limits", INFINITY, 0, 0, 0, LR_FLOW_ERR},
        {"negative infinite flow", -INFINITY, 0, 0, 0, LR_FLOW_ERR},
        // A model far beyond the flows it was measured for cannot be evaluated.
        {"conductance beyond the model", 1e5f, 0, 0, 1, LR_SPEC_HEAT_DISSI_ERR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Point.OilFlow = c.Flow;
        Record[Catalogue::MinFlow] = c.MinFlow;
        Record[Catalogue::MaxFlow] = c.MaxFlow;
        Record[Catalogue::CoeffA] = c.CoeffA;
        const Rating rating = RateRecord();
        ASSERT_FALSE(rating.Rated());
        EXPECT_EQ(rating.Refusal->Code, c.Code);
        EXPECT_EQ(rating.Refusal->MinFlow, c.MinFlow);
        EXPECT_EQ(rating.Refusal->MaxFlow, c.MaxFlow);
        EXPECT_EQ(rating.Dissipation, 0);
        EXPECT_EQ(rating.InletOilTemp, 0);
    }
}

TEST_F(ModelRating, InputOutsideItsRangeIsRefusedBeforeTheModel) {
    Point.Altitude = 5000;
    const Rating rating = RateRecord();
    ASSERT_FALSE(rating.Rated());
    EXPECT_EQ(rating.Refusal->Code, LR_ATITUDE_ERR);
    EXPECT_EQ(rating.InletOilTemp, 0);
}

TEST_F(ModelRating, FlowRangeAppliesOnlyWhenTheLimitsDiffer) {
    Point.OilFlow = 70;
    EXPECT_EQ(Refusal(), LR_FLOW_ERR);
    Record[Catalogue::MinFlow] = 40;
    Record[Catalogue::MaxFlow] = 40;
    EXPECT_EQ(Refusal(), LR_OK);
}

TEST_F(ModelRating, ZeroConductanceIsRefusedAsSuch) {
    Record[Catalogue::CoeffD] = 0;
    EXPECT_EQ(Refusal(), LR_SPEC_HEAT_DISSI_ERR);
}

// A cooling system runs at its pump's flow, which the page fills in: the entered flow is
// rounded to whole l/min, not replaced by the catalogue's largest.
TEST_F(ModelRating, CoolingSystemIsRatedAtTheEnteredFlowRounded) {
    const ModelRecord system = ReadModelRecord("VCS_C", FixtureDir, "CnfVcEur.ini");
    ASSERT_EQ(system[Catalogue::MaxFlow], 80);
    Point.Series = VCS_Cooler;
    Point.OilFlow = 54.5f;
    const Rating rating = Rate(Point, system, Oil);
    ASSERT_TRUE(rating.Rated());
    EXPECT_EQ(rating.OilFlow, 55);
}

} // namespace
