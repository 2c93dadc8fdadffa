#include "units/UnitLabels.h"

#include <gtest/gtest.h>

namespace {

// A typed unit finds its label in any case, with superscripts written as digits and with or
// without the degree sign; anything else finds none.
TEST(TypedUnit, FindsItsLabelWrittenAnyWayAPersonWouldAndNothingElse) {
    const struct {
        const char* Typed;
        const QStringList& Labels;
        std::optional<int> Index;
    } cases[] = {
        {"m³/h", FlowUnitLabels(), 0},
        {"M3/H", FlowUnitLabels(), 0},
        {"ft3/h", FlowUnitLabels(), 3},
        {"us GPM", FlowUnitLabels(), 4},
        {"°F", TempUnitLabels(), 1},
        {"f", TempUnitLabels(), 1},
        {"°°c°", TempUnitLabels(), 0},
        {"in³", VolumeUnitLabels(), 3},
        {"KG/DM3", DensityUnitLabels(), 0},
        {"\u212Ag", WeightUnitLabels(), 0}, // the Kelvin sign lowers to k
        {"m³/", FlowUnitLabels(), std::nullopt},
        {"m³/hh", FlowUnitLabels(), std::nullopt},
        {"", FlowUnitLabels(), std::nullopt},
        {"°", TempUnitLabels(), std::nullopt},
        {"lİter", VolumeUnitLabels(), std::nullopt}, // a dotted capital I is no i
        {"mi\u0301n", TimeUnitLabels(), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        EXPECT_EQ(TypedUnitIndex(c.Labels, QString::fromUtf8(c.Typed)), c.Index);
    }
    EXPECT_EQ(TypedUnitIndex(WeightUnitLabels(), QStringLiteral("kg") + QChar()), std::nullopt);
}

} // namespace
