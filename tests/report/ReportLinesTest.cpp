#include "report/ReportLines.h"
#include "core/RegionalSettings.h"

#include <gtest/gtest.h>

namespace {

struct PadCase {
    const char* Name;
    QString Label;
    QString Value;
    QString Unit;
    QString Line;
};

class PadReportLineTest : public ::testing::TestWithParam<PadCase> {};

TEST_P(PadReportLineTest, ValueEndsInColumnFortyUnlessLabelAndValueReachIt) {
    const PadCase& c = GetParam();
    EXPECT_EQ(PadReportLine(c.Label, c.Value, c.Unit), c.Line);
}

const QString Forty = QString(40, QLatin1Char('L'));

INSTANTIATE_TEST_SUITE_P(
    Lines, PadReportLineTest,
    ::testing::Values(PadCase{"OilFlow", "Oil flow", "100", "l/min",
                              "Oil flow" + QString(29, QLatin1Char(' ')) + "100 l/min"},
                      PadCase{"EmptyValue", "Inlet oil temperature", "", "",
                              "Inlet oil temperature" + QString(19, QLatin1Char(' ')) + " "},
                      PadCase{"FortyCharacterLabel", Forty, "12", "kW", Forty + "12 kW"},
                      PadCase{"LabelAndValueJustFillTheColumns", QString(37, QLatin1Char('L')),
                              "100", "kW", QString(37, QLatin1Char('L')) + "100 kW"},
                      PadCase{"OilLineEndsInTwoBlanks", "Hydraulic oil", "ISO VG 46", " ",
                              "Hydraulic oil" + QString(18, QLatin1Char(' ')) + "ISO VG 46  "},
                      PadCase{"CharactersNotBytes", "Température", "60", "°C",
                              "Température" + QString(27, QLatin1Char(' ')) + "60 °C"}),
    [](const auto& info) { return info.param.Name; });

TEST(PadReportLine, OilFlowLineIsFortySixCharactersWithTheValueEndingInColumnForty) {
    const QString line = PadReportLine("Oil flow", "100", "l/min");
    EXPECT_EQ(line.size(), 46);
    EXPECT_EQ(line.left(40).right(3), "100");
}

TEST(SplitAtFirstSpace, KeepsTheBlankWithTheNumberAndTheRestAsUnit) {
    EXPECT_EQ(SplitAtFirstSpace("45.3 °C"), (TSplitText{"45.3 ", "°C"}));
    EXPECT_EQ(SplitAtFirstSpace("1 000 Btu/hr"), (TSplitText{"1 ", "000 Btu/hr"}));
    EXPECT_EQ(SplitAtFirstSpace(" 12.3 kW"), (TSplitText{" ", "12.3 kW"}));
    EXPECT_EQ(SplitAtFirstSpace("12.3"), TSplitText{});
    EXPECT_EQ(SplitAtFirstSpace(""), TSplitText{});
}

TEST(RemoveSpaces, AllOrOnlyTheLeadingOnes) {
    EXPECT_EQ(RemoveAllSpaces(" 1 000 , 5 "), "1000,5");
    EXPECT_EQ(RemoveLeadingSpaces("   a b "), "a b ");
    EXPECT_EQ(RemoveLeadingSpaces("   "), "");
}

struct ValueCase {
    const char* Name;
    QChar Separator;
    TReportValue (*Make)(const QString&);
    QString Shown;
    TReportValue Expected;
};

class ReportValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ReportValueTest, BlanksRemovedAndTheDecimalSignMadeRegional) {
    const ValueCase& c = GetParam();
    const TScopedRegionalSettings regional(c.Separator);
    EXPECT_EQ(c.Make(c.Shown), c.Expected);
}

TReportValue Typed(const QString& text) {
    return InputValue(text, "kW");
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReportValueTest,
    ::testing::Values(
        ValueCase{"ThousandsBlankAndDecimalComma", '.', &Typed, "1 000,5", {"1000.5", "kW"}},
        ValueCase{"DecimalPointOnACommaSystem", ',', &Typed, "12.5", {"12,5", "kW"}},
        ValueCase{"Result", '.', &ResultValue, "45.3 °C", {"45.3", "°C"}},
        ValueCase{"ResultOnACommaSystem", ',', &ResultValue, "1.82 m³/s", {"1,82", "m³/s"}},
        ValueCase{"ResultWithoutABlank", '.', &ResultValue, "", {"", ""}},
        ValueCase{
            "HeatDissipationSplitTwice", '.', &HeatDissipationValue, " 12.3 kW", {"12.3", "kW"}},
        ValueCase{"SpecificHeatDissipation",
                  ',',
                  &HeatDissipationValue,
                  " 0.71 kW/°C",
                  {"0,71", "kW/°C"}}),
    [](const auto& info) { return info.param.Name; });

} // namespace
