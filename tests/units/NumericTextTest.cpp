#include "units/NumericText.h"
#include "core/ConvertError.h"
#include "core/RegionalSettings.h"
#include "units/UnitConv.h"

#include <gtest/gtest.h>

namespace {

// Every case runs under a point and under a comma as the regional decimal separator.
class UnderEachSeparator : public testing::TestWithParam<char> {
protected:
    TScopedRegionalSettings Regional{QChar::fromLatin1(GetParam())};

    QString Localised(const char* text) const {
        return QString::fromLatin1(text).replace(QLatin1Char('.'), QChar::fromLatin1(GetParam()));
    }
};

INSTANTIATE_TEST_SUITE_P(Separators, UnderEachSeparator, testing::Values('.', ','),
                         [](const testing::TestParamInfo<char>& info) {
                             return std::string(info.param == '.' ? "Point" : "Comma");
                         });

TEST_P(UnderEachSeparator, StringToFloatAcceptsPointOrComma) {
    const struct {
        const char* Text;
        float Expected;
    } cases[] = {
        {"2,08", 2.08f}, {"2.08", 2.08f}, {"  12  ", 12}, {"1e3", 1000},      {"-0,5", -0.5f},
        {"+3", 3},       {".5", 0.5f},    {"5.", 5},      {"1.5E-2", 0.015f}, {"0", 0},
    };
    TRecordingMessages messages;
    TUnitConv conv(messages);
    for (const auto& c : cases) {
        float value = -1;
        EXPECT_TRUE(conv.StringToFloat(value, QString::fromLatin1(c.Text), "Oil flow")) << c.Text;
        EXPECT_FLOAT_EQ(value, c.Expected) << c.Text;
    }
    EXPECT_TRUE(messages.Shown.isEmpty());
}

TEST_P(UnderEachSeparator, StringToFloatRejectsAndNamesTheEntry) {
    const char* rejected[] = {"1,234.5", "1.234,5", "",    "1e39", "12;5", "abc", "1e",
                              "--1",     "1 2",     "nan", "inf",  "0x10", "1e+", "."};
    for (const char* text : rejected) {
        TRecordingMessages messages;
        TUnitConv conv(messages);
        float value = 7;
        EXPECT_FALSE(conv.StringToFloat(value, QString::fromLatin1(text), "Oil flow")) << text;
        EXPECT_EQ(value, 7) << text;
        ASSERT_EQ(messages.Shown.size(), 1) << text;
        EXPECT_EQ(messages.Shown[0].Kind, TMessageKind::Error);
        EXPECT_EQ(messages.Shown[0].Text, "Oil flow: " + QString::fromLatin1(text) + " ?");
    }
}

TEST_P(UnderEachSeparator, EmptyEntryMessageHasTwoBlanksBeforeTheQuestionMark) {
    TRecordingMessages messages;
    float value = 0;
    TUnitConv(messages).StringToFloat(value, QString(), "Altitude");
    EXPECT_EQ(messages.Texts(), QStringList{"Altitude:  ?"});
}

// English settings group thousands with a comma, German ones with a point.
const TRegionalSettings English{QLatin1Char('.'), QStringLiteral("dd/MM/yyyy"), QLatin1Char(',')};
const TRegionalSettings German{QLatin1Char(','), QStringLiteral("dd.MM.yy"), QLatin1Char('.')};

TEST(ThousandsReadings, OnlyTheShapeOfAThousandsSeparatorHasTwoReadings) {
    const struct {
        const char* Typed;
        char Group;
        const char* Thousands; // nullptr: one reading only
        const char* Decimal;
    } cases[] = {
        {"68,200", ',', "68200", "68.2"},
        {"1,500", ',', "1500", "1.5"},
        {"-4,000", ',', "-4000", "-4"},
        {"+999,999", ',', "+999999", "+999.999"},
        {"  1,250 ", ',', "1250", "1.25"},
        {"1.500", '.', "1500", "1,5"},
        {"68.205", '.', "68205", "68,205"},
        {"1.500", ',', nullptr, nullptr}, // the decimal sign, not the group separator
        {"0,125", ',', nullptr, nullptr},
        {"12,5", ',', nullptr, nullptr},
        {"1,5000", ',', nullptr, nullptr},
        {"1234,567", ',', nullptr, nullptr},
        {"68200", ',', nullptr, nullptr},
        {",500", ',', nullptr, nullptr},
        {"1,500e3", ',', nullptr, nullptr},
        {"1,500,000", ',', nullptr, nullptr},
        {"1,5 00", ',', nullptr, nullptr},
        {"--1,500", ',', nullptr, nullptr},
        {"1,500", ' ', nullptr, nullptr}, // a separator no one types between digits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        const std::optional<TThousandsReadings> readings =
            ThousandsReadings(QString::fromLatin1(c.Typed), QChar::fromLatin1(c.Group));
        ASSERT_EQ(readings.has_value(), c.Thousands != nullptr);
        if (readings) {
            EXPECT_EQ(readings->Thousands, c.Thousands);
            EXPECT_EQ(readings->Decimal, c.Decimal);
        }
    }
}

// Entries read under English and under German settings: a separator that is the regional group
// separator before exactly three digits is refused with both readings; every other number
// reads with a point or a comma as decimal sign.
TEST(StringToFloat, RefusesANumberThatMayHoldAThousandsSeparator) {
    const struct {
        const char* Name;
        const TRegionalSettings& Settings;
        const char* Typed;
        float Read;          // when no message is expected
        const char* Message; // nullptr: read
    } cases[] = {
        {"English68200", English, "68,200", 0, "Cooling required: 68,200 ? Write 68200 or 68.2"},
        {"English1500", English, "1,500", 0, "Cooling required: 1,500 ? Write 1500 or 1.5"},
        {"EnglishNegative", English, "-4,000", 0, "Cooling required: -4,000 ? Write -4000 or -4"},
        {"EnglishPoint", English, "1.500", 1.5f, nullptr},
        {"EnglishLeadingZero", English, "0,125", 0.125f, nullptr},
        {"EnglishOneDecimal", English, "12,5", 12.5f, nullptr},
        {"EnglishFourDecimals", English, "1,5000", 1.5f, nullptr},
        {"EnglishWhole", English, "68200", 68200, nullptr},
        {"German1500", German, "1.500", 0, "Cooling required: 1.500 ? Write 1500 or 1,5"},
        {"German68200", German, "68.200", 0, "Cooling required: 68.200 ? Write 68200 or 68,2"},
        {"GermanComma", German, "68,200", 68.2f, nullptr},
        {"GermanLeadingZero", German, "0.125", 0.125f, nullptr},
        {"GermanOneDecimal", German, "12.5", 12.5f, nullptr},
        {"GermanFourDecimals", German, "1.5000", 1.5f, nullptr},
        {"GermanWhole", German, "68200", 68200, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TScopedRegionalSettings regional(c.Settings);
        TRecordingMessages messages;
        float value = 7;
        const bool read =
            TUnitConv(messages, QStringLiteral("Write %1 or %2"))
                .StringToFloat(value, QString::fromLatin1(c.Typed), "Cooling required");
        if (c.Message) {
            EXPECT_FALSE(read);
            EXPECT_EQ(value, 7);
            ASSERT_EQ(messages.Shown.size(), 1);
            EXPECT_EQ(messages.Shown[0].Kind, TMessageKind::Error);
            EXPECT_EQ(messages.Shown[0].Text, c.Message);
        } else {
            EXPECT_TRUE(read);
            EXPECT_FLOAT_EQ(value, c.Read);
            EXPECT_TRUE(messages.Shown.isEmpty());
        }
    }
}

// A language without texts has no words for the readings; the entry is refused all the same.
TEST(StringToFloat, RefusesAThousandsSeparatorWithoutTheWordsForItsReadings) {
    const TScopedRegionalSettings regional(English);
    TRecordingMessages messages;
    float value = 7;
    EXPECT_FALSE(TUnitConv(messages).StringToFloat(value, "68,200", "Cooling required"));
    EXPECT_EQ(messages.Texts(), QStringList{"Cooling required: 68,200 ?"});
}

TEST_P(UnderEachSeparator, DeciPointToDeciComaMakesEverySignRegional) {
    EXPECT_EQ(TUnitConv::DeciPointToDeciComa("1,2.3 a"), Localised("1.2.3 a"));
}

TEST_P(UnderEachSeparator, FixedPointWriting) {
    const struct {
        double Value;
        int Precision, Decimals;
        const char* Expected;
    } cases[] = {
        {2.5, 8, 2, "2.50"},
        {0.125, 8, 2, "0.13"},
        {-0.125, 8, 2, "-0.13"},
        {123456789, 8, 2, "1.2345679E8"},
        {-123456789, 8, 2, "-1.2345679E8"},
        {99999999.6, 8, 0, "1E8"},
        {12345678, 8, 2, "12345678.00"},
        {0.5, 8, 1, "0.5"},
        {0, 10, 0, "0"},
        {0, 10, 3, "0.000"},
        {55.4f, 10, 0, "55"},
        {2.08f, 10, 2, "2.08"}, // single precision 2.0799999237...
        {1.005, 10, 2, "1.00"}, // the double is 1.00499999999999989...
        {0.05f, 10, 3, "0.050"},
        {16.666666f, 8, 4, "16.6667"},
        {99.96, 10, 1, "100.0"},
        {123.456789, 4, 3, "123.500"}, // 6 digits after decimals, then 4 significant
        {-0.001, 8, 2, "0.00"},        // no sign on a value written as zero
        {0.00001, 10, 2, "0.00"},
        {0.0004999, 10, 3, "0.000"},
        {0.0005, 10, 3, "0.001"},
        {1895.5555, 10, 0, "1896"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFixed(c.Value, c.Precision, c.Decimals), Localised(c.Expected))
            << c.Value << " P" << c.Precision << " D" << c.Decimals;
    }
}

TEST_P(UnderEachSeparator, DataValuesTakeEitherSign) {
    EXPECT_DOUBLE_EQ(DataValueToFloat("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(DataValueToFloat("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(DataValueToFloat("-1.5e-3"), -0.0015);
}

TEST(DataValueToFloat, ThrowsTheConversionErrorNamingTheText) {
    for (const char* text : {"", "12,5,0", "abc", "1.0 kW"}) {
        try {
            DataValueToFloat(QString::fromLatin1(text));
            ADD_FAILURE() << "accepted " << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(),
                      QStringLiteral("'%1' is not a valid floating point value").arg(text));
        }
    }
}

TEST(GetNoOfDeciFromString, CountsAfterTheLastSeparator) {
    const struct {
        const char* Text;
        int Expected;
    } cases[] = {{"12.50", 2}, {"12", 0},    {"12.", 0}, {".5", 1},
                 {"1,5e3", 3}, {"1.2.3", 1}, {"", 0},    {"2,5 ", 2}};
    for (const auto& c : cases)
        EXPECT_EQ(TUnitConv::GetNoOfDeciFromString(c.Text), c.Expected) << c.Text;
}

} // namespace
