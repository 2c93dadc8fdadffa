#include "core/EngineState.h"
#include "settings/VersUnit.h"

#include <gtest/gtest.h>

namespace {

// Linked with the European edition's library instead of the US one.
TEST(VersUnitEuropeanEdition, CreatingItFixesTheEuropeanEdition) {
    EngineState().USVersionFLG = true;
    TVersUnit version;
    EXPECT_FALSE(EngineState().USVersionFLG);
    EXPECT_EQ(version.GetVerNumber(), QStringLiteral(" 2.03"));
    ResetEngineState();
}

} // namespace
