#include "texts/TextHelpers.h"

#include "tests/texts/TableTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct HelperCase {
    const char* Name;
    QString Text;
    QString Expected;
};

class RemoveAmpersandsCases : public ::testing::TestWithParam<HelperCase> {};

TEST_P(RemoveAmpersandsCases, LeavesThePlainText) {
    EXPECT_EQ(RemoveAmpersands(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, RemoveAmpersandsCases,
                         ::testing::Values(HelperCase{"Accelerator", "&Selected", "Selected"},
                                           HelperCase{"Several", "A&b&&c&", "Abc"},
                                           HelperCase{"None", "About", "About"},
                                           HelperCase{"Empty", "", ""}),
                         [](const auto& info) { return std::string(info.param.Name); });

class TextAfterFirstBlankCases : public ::testing::TestWithParam<HelperCase> {};

TEST_P(TextAfterFirstBlankCases, DropsEverythingUpToTheFirstBlank) {
    EXPECT_EQ(TextAfterFirstBlank(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextAfterFirstBlankCases,
    ::testing::Values(HelperCase{"ModelName", "KVAM 25", "25"},
                      HelperCase{"TwoBlanksKeepTheSecond", "KVHM 40 1500 rpm", "40 1500 rpm"},
                      HelperCase{"AdjacentBlanks", "KVAM  25", " 25"},
                      HelperCase{"NoBlank", "KVAM25", ""}, HelperCase{"LeadingBlank", " 25", "25"},
                      HelperCase{"BlankAtTheEnd", "KVAM ", ""}, HelperCase{"Empty", "", ""},
                      HelperCase{"BlankBeyond255CharactersIsNotSeen", QString(255, u'x') + " 25",
                                 ""}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
