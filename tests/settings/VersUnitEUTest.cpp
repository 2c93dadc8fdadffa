#include "settings/VersUnit.h"

#include <gtest/gtest.h>

namespace {

// Linked with the European edition's library instead of the US one.
TEST(VersUnitEuropeanEdition, ItsEditionIsTheEuropeanBuildsUnlessGivenAnother) {
    const TVersUnit version;
    EXPECT_EQ(version.Edition(), TEdition::European);
    EXPECT_EQ(BuildEdition(), TEdition::European);
    EXPECT_EQ(TVersUnit(TEdition::US).Edition(), TEdition::US);
    EXPECT_EQ(version.GetVerNumber(), QStringLiteral(" 2.03"));
}

} // namespace
