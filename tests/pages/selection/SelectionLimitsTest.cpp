#include "pages/selection/SelectionLimits.h"
#include "core/RegionalSettings.h"
#include "units/Units.h"

#include <gtest/gtest.h>

namespace {

// Whole numbers in the unit picked for the quantity; lower limits round half up and upper ones
// down (4000 m is 13123.36 ft).
TEST(SelectionLimits, InTheUnitPickedForTheQuantity) {
    const TScopedRegionalSettings point(QLatin1Char('.'));
    const struct {
        QString Min, Max;
        const char* ExpectedMin;
        const char* ExpectedMax;
    } cases[] = {
        {MinInletOilTempText(Ord(TTemp::C)), MaxInletOilTempText(Ord(TTemp::C)), "10", "120"},
        {MinInletOilTempText(Ord(TTemp::F)), MaxInletOilTempText(Ord(TTemp::F)), "50", "248"},
        {MinAirTempText(Ord(TTemp::C)), MaxAirTempText(Ord(TTemp::C)), "-30", "50"},
        {MinAirTempText(Ord(TTemp::F)), MaxAirTempText(Ord(TTemp::F)), "-22", "122"},
        {MinAltitudeText(Ord(TLength::m)), MaxAltitudeText(Ord(TLength::m)), "0", "4000"},
        {MinAltitudeText(Ord(TLength::ft)), MaxAltitudeText(Ord(TLength::ft)), "0", "13123"},
        {MinCoolingRequiredText(Ord(THeatDissi::W)), MaxCoolingRequiredText(Ord(THeatDissi::kW)),
         "0", "800"},
        {MinCoolingRequiredText(Ord(THeatDissi::HP)), MaxCoolingRequiredText(Ord(THeatDissi::HP)),
         "0", "1072"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Min, c.ExpectedMin);
        EXPECT_EQ(c.Max, c.ExpectedMax);
    }
}

// A flow keeps the decimals its unit shows a flow of its size with.
TEST(SelectionLimits, FlowLimitsInTheFlowUnit) {
    const TScopedRegionalSettings point(QLatin1Char('.'));
    EXPECT_EQ(FlowLimitText(5, Ord(TFlow::l_min)), "5.00");
    EXPECT_EQ(FlowLimitText(60, Ord(TFlow::l_min)), "60.0");
    EXPECT_EQ(FlowLimitText(0, Ord(TFlow::l_min)), "0.0");
    EXPECT_EQ(FlowLimitText(5, Ord(TFlow::USgal_min)), "1.32");
    EXPECT_EQ(FlowLimitText(60, Ord(TFlow::USgal_min)), "15.9");
}

} // namespace
