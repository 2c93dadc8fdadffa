#include "tests/pages/heatload/HeatLoadTestPage.h"

#include "pages/heatload/HeatLoadInputs.h"
#include "pages/heatload/HeatLoadPageItems.h"

#include <array>

namespace {

TEST_F(HeatLoadPage, ResetShowsThePagesStartTexts) {
    for (E entry : {E::OilVolume, E::StartTemp, E::EndTemp, E::TimeInterval, E::Result})
        EXPECT_EQ(Text(entry), "0.00");
    EXPECT_EQ(Text(E::Density), "0,89");
    EXPECT_EQ(Text(E::HeatCapa), "2,08");
    EXPECT_FLOAT_EQ(Controller.Fields().Density, 0.89f);
    EXPECT_FLOAT_EQ(Controller.Fields().HeatCapa, 2.08f);
}

TEST_F(HeatLoadPage, TypedNumbersAreHeldInBaseUnitsAndRewrittenAsTyped) {
    using F = THeatLoadFields;
    const struct {
        const char* Name;
        E Entry;
        int Unit;
        QChar Separator;
        QString Typed;
        float F::*Field;
        float Held;
        QString Shown;
    } cases[] = {
        {"Litres", E::OilVolume, Ord(TVolume::liter), '.', "200,5", &F::OilVolume, 200.5f, "200.5"},
        {"CubicMetres", E::OilVolume, Ord(TVolume::m3), '.', "0.2", &F::OilVolume, 200, "0.2"},
        {"Gallons", E::OilVolume, Ord(TVolume::gallon), ',', "52.84", &F::OilVolume,
         52.84f / 0.2642f, "52,84"},
        {"PoundsPerCubicFoot", E::Density, Ord(TDensity::lb_ft3), '.', "55.56", &F::Density,
         55.56f / 62.43f, "55.56"},
        {"HeatInBtu", E::HeatCapa, Ord(THeatCapacitivity::BTU_lb_K), '.', "0,5", &F::HeatCapa,
         2.08f, "0.5"},
        {"Fahrenheit", E::EndTemp, Ord(TTemp::F), '.', "68", &F::EndTemp, 20, "68"},
        {"MinutesAsTyped", E::TimeInterval, 0, '.', "30,25", &F::TimeInterval, 30.25f, "30.25"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TScopedRegionalSettings separator(c.Separator);
        PickUnit(c.Entry, c.Unit);
        Type(c.Entry, c.Typed);
        EXPECT_FLOAT_EQ(Controller.Fields().*c.Field, c.Held);
        EXPECT_EQ(Text(c.Entry), c.Shown);
    }
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

TEST_F(HeatLoadPage, UnitChangeShowsTheHeldValueInTheNewUnit) {
    PickUnit(E::StartTemp, Ord(TTemp::F));
    EXPECT_EQ(Text(E::StartTemp), "32"); // 0 °C after the reset
    PickUnit(E::Density, Ord(TDensity::lb_ft3));
    EXPECT_EQ(Text(E::Density), "55.6");
    PickUnit(E::HeatCapa, Ord(THeatCapacitivity::BTU_lb_K));
    EXPECT_EQ(Text(E::HeatCapa), "0.50");
    Type(E::OilVolume, "52,84");
    PickUnit(E::OilVolume, Ord(TVolume::gallon));
    EXPECT_EQ(Text(E::OilVolume), "14");
    PickUnit(E::OilVolume, Ord(TVolume::liter));
    EXPECT_EQ(Text(E::OilVolume), "53");
    EXPECT_FLOAT_EQ(Controller.Fields().OilVolume, 52.84f); // a unit change never changes it
}

struct TUnreadableCase {
    const char* Name;
    QString Typed;
    QString Quoted; // as the message quotes it back
};

class UnreadableEntry : public HeatLoadPage, public testing::WithParamInterface<TUnreadableCase> {};

TEST_P(UnreadableEntry, IsNamedKeepsItsValueAndTakesTheFocusBack) {
    Type(E::OilVolume, "200");
    PickUnit(E::OilVolume, Ord(TVolume::gallon));
    Type(E::OilVolume, GetParam().Typed);

    ASSERT_EQ(Shown.Shown.size(), 1);
    EXPECT_EQ(Shown.Shown[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Shown.Shown[0].Text, QStringLiteral("Oil volume: ") + GetParam().Quoted + " ?");
    EXPECT_EQ(View.Focused, E::OilVolume);
    EXPECT_FLOAT_EQ(Controller.Fields().OilVolume, 200);
    // What the entry shows is what a calculation would use, in the entry's unit.
    EXPECT_EQ(Text(E::OilVolume), "53");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnreadableEntry,
    testing::Values(TUnreadableCase{"Letters", "abc", "abc"}, TUnreadableCase{"Nothing", "", ""},
                    TUnreadableCase{"LetterO", "2OO", "2OO"},
                    TUnreadableCase{"TwoSeparators", "1,2,3", "1,2,3"},
                    TUnreadableCase{"BeyondSinglePrecision", "1e39", "1e39"},
                    // A pasted page of digits is quoted by its first 80 characters.
                    TUnreadableCase{"TenThousandDigits", QString(10000, QLatin1Char('9')),
                                    QString(80, QLatin1Char('9')) + "..."}),
    [](const auto& info) { return std::string(info.param.Name); });

// Under English settings "1,500" may be 1500 litres or 1.5, under German ones "1.500" does. Such
// an entry is refused as an unreadable one is, its message naming both readings, and stops the
// calculation; every other number reads with a point or a comma as decimal sign.
TEST_F(HeatLoadPage, ANumberThatMayHoldAThousandsSeparatorIsRefused) {
    const TRegionalSettings english{'.', QStringLiteral("dd/MM/yyyy"), ','};
    const TRegionalSettings german{',', QStringLiteral("dd.MM.yy"), '.'};
    const struct {
        const char* Name;
        const TRegionalSettings& Settings;
        E Entry;
        const char* Typed;
        const char* Message; // nullptr: read as Held
        float Held;
    } cases[] = {
        {"EnglishVolume", english, E::OilVolume, "1,500", "Oil volume: 1,500 ? Write 1500 or 1.5",
         0},
        {"EnglishTime", english, E::TimeInterval, "2,000", "Time interval: 2,000 ? Write 2000 or 2",
         0},
        {"EnglishNegative", english, E::StartTemp, "-4,000",
         "Initial oil temperature: -4,000 ? Write -4000 or -4", 0},
        {"EnglishPoint", english, E::OilVolume, "1.500", nullptr, 1.5f},
        {"EnglishLeadingZero", english, E::OilVolume, "0,125", nullptr, 0.125f},
        {"EnglishOneDecimal", english, E::OilVolume, "12,5", nullptr, 12.5f},
        {"EnglishFourDecimals", english, E::OilVolume, "1,5000", nullptr, 1.5f},
        {"EnglishWhole", english, E::OilVolume, "68200", nullptr, 68200},
        {"GermanVolume", german, E::OilVolume, "1.500", "Oil volume: 1.500 ? Write 1500 or 1,5", 0},
        {"GermanComma", german, E::OilVolume, "1,500", nullptr, 1.5f},
        {"GermanLeadingZero", german, E::OilVolume, "0.125", nullptr, 0.125f},
        {"GermanWhole", german, E::OilVolume, "68200", nullptr, 68200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TScopedRegionalSettings regional(c.Settings);
        Controller.ResetInputs();
        TypeExample();
        const THeatLoadFields before = Controller.Fields();
        const QString shown = Text(c.Entry);
        Shown.Shown.clear();
        View.HandedOver.clear();

        if (!c.Message) {
            Type(c.Entry, QString::fromLatin1(c.Typed));
            EXPECT_TRUE(Shown.Shown.isEmpty()) << Shown.Texts().join(" | ").toStdString();
            EXPECT_FLOAT_EQ(Controller.Fields().*InputOf(c.Entry).Field, c.Held);
            continue;
        }
        // Typed and, without leaving the entry, calculated.
        View.SetEntryFocus(c.Entry);
        View.SetEntryText(c.Entry, QString::fromLatin1(c.Typed));
        Controller.btCalculateHeatDissiClick();
        EXPECT_EQ(Shown.Texts(), QStringList{c.Message});
        EXPECT_EQ(View.Focused, c.Entry);
        EXPECT_EQ(Controller.Fields().*InputOf(c.Entry).Field, before.*InputOf(c.Entry).Field);
        EXPECT_EQ(Text(c.Entry), shown);
        EXPECT_EQ(Text(E::Result), "0.00");
        EXPECT_TRUE(View.HandedOver.isEmpty());
    }
}

// Every input far outside its range in every unit of its list: the page names the range, and no
// text it shows while the value is held is ever an infinity or not a number.
class FarOutside : public HeatLoadPage,
                   public testing::WithParamInterface<std::tuple<E, const char*>> {};

TEST_P(FarOutside, GivesTheRangeMessageAndOnlyFiniteTexts) {
    const auto [entry, typed] = GetParam();
    const QStringList& units = UnitListItems(entry);
    for (int unit = 0; unit < units.size(); ++unit) {
        SCOPED_TRACE(units[unit].toStdString());
        Controller.ResetInputs();
        Shown.Shown.clear();
        TypeExample();
        PickUnit(entry, unit);
        Type(entry, QString::fromLatin1(typed));
        for (int shown = 0; shown < units.size(); ++shown) {
            PickUnit(entry, shown);
            EXPECT_FALSE(Text(entry).contains("INF") || Text(entry).contains("NAN"))
                << Text(entry).toStdString();
        }
        Controller.btCalculateHeatDissiClick();
        ASSERT_EQ(Shown.Shown.size(), 1);
        EXPECT_TRUE(Shown.Texts()[0].contains(" Outside the range! ("))
            << Shown.Texts()[0].toStdString();
        EXPECT_EQ(Text(E::Result), "0.00");
        EXPECT_TRUE(View.HandedOver.isEmpty());
    }
}

std::string FarOutsideName(const testing::TestParamInfo<FarOutside::ParamType>& info) {
    const std::array<const char*, 5> entries{"Volume", "Density", "HeatCapa", "Start", "End"};
    const std::string value = std::get<1>(info.param);
    return entries.at(static_cast<std::size_t>(std::get<0>(info.param))) +
           std::string(value[0] == '-' ? "Minus" : "Plus") +
           (value.size() > 5 ? "Largest" : "1e30");
}

INSTANTIATE_TEST_SUITE_P(Inputs, FarOutside,
                         testing::Combine(testing::Values(E::OilVolume, E::Density, E::HeatCapa,
                                                          E::StartTemp, E::EndTemp),
                                          testing::Values("1e30", "-1e30", "3.4e38", "-3.4e38")),
                         FarOutsideName);

} // namespace
