#include "tests/pages/selection/SelectionTestPage.h"

#include "pages/selection/SelectionEntries.h"
#include "units/NumericText.h"
#include "units/Units.h"

#include <cmath>

// A calculation always belongs to what the entries show: the entry being typed in counts, and
// an entry that does not read stops the calculation.

namespace {

using E = TSelectionEntry;
using L = TResultLine;

// 60 l/min at most 60 degC, 20 degC air, 500 m: the fixture's three coolers remove about 19,
// 37 and 72 kW.
class PendingEntry : public SelectionPage {
protected:
    void SetUp() override { TypeOperatingPoint(60, 60, 20, 500, 10); }

    enum class TButton { New, Selected };
    void Press(TButton button) {
        if (button == TButton::New)
            Controller.btCalcNewCoolerClick();
        else
            Controller.btCalcSelectedCoolerClick();
    }
};

TEST_F(PendingEntry, TypedValueCountsBeforeEitherButton) {
    for (TButton button : {TButton::New, TButton::Selected}) {
        SCOPED_TRACE(button == TButton::New ? "New" : "Selected");
        PickModel(1);
        Controller.btCalcSelectedCoolerClick();
        ASSERT_EQ(Controller.EnteredPoint().CoolingRequired, 10);

        TypeWithoutLeaving(E::HeatDiss, "25");
        Press(button);

        EXPECT_EQ(Controller.EnteredPoint().CoolingRequired, 25);
        EXPECT_EQ(Entry(E::HeatDiss), "25");
        EXPECT_TRUE(Controller.PrintingEnabled());
        EXPECT_EQ(View.ListIndex(TSelectionList::Model), 1); // 37 kW is the smallest for 25 kW
        EXPECT_TRUE(Shown.Shown.isEmpty()) << Shown.Texts().join(" | ").toStdString();
        Type(E::HeatDiss, "10");
    }
}

TEST_F(PendingEntry, UnreadableEntryStopsEitherButton) {
    for (TButton button : {TButton::New, TButton::Selected}) {
        SCOPED_TRACE(button == TButton::New ? "New" : "Selected");
        Controller.btCalcNewCoolerClick();
        ASSERT_TRUE(Controller.PrintingEnabled());
        Shown.Shown.clear();

        TypeWithoutLeaving(E::OilFlow, "abc");
        Press(button);

        EXPECT_EQ(Shown.Texts(), QStringList{"Oil flow: abc ?"});
        EXPECT_EQ(View.FocusedEntry(), E::OilFlow);
        EXPECT_EQ(Entry(E::OilFlow), "60.0");
        EXPECT_FALSE(Controller.PrintingEnabled());
        EXPECT_FALSE(View.GridShown);
        EXPECT_EQ(Value(L::OilInletTemp), "");
    }
}

// Under English settings "68,200" may be 68200 or 68.2, under German ones "1.500" may be 1500
// or 1.5. Such an entry is refused as an unreadable one is, on leaving it and before either
// button, its message naming both readings; every other number reads with a point or a comma
// as decimal sign.
TEST_F(PendingEntry, ANumberThatMayHoldAThousandsSeparatorIsRefused) {
    const TRegionalSettings english{'.', QStringLiteral("dd/MM/yyyy"), ','};
    const TRegionalSettings german{',', QStringLiteral("dd.MM.yy"), '.'};
    const struct {
        const char* Name;
        const TRegionalSettings& Settings;
        E Entry;
        const char* Typed;
        const char* Message; // nullptr: read as Stored
        float Stored;
    } cases[] = {
        {"EnglishHeat", english, E::HeatDiss, "68,200",
         "Cooling required: 68,200 ? Write 68200 or 68.2", 0},
        {"EnglishFlow", english, E::OilFlow, "1,500", "Oil flow: 1,500 ? Write 1500 or 1.5", 0},
        {"EnglishNegative", english, E::AirTemp, "-4,000",
         "Max. ambient air temp.: -4,000 ? Write -4000 or -4", 0},
        {"EnglishPoint", english, E::HeatDiss, "1.500", nullptr, 1.5f},
        {"EnglishLeadingZero", english, E::HeatDiss, "0,125", nullptr, 0.125f},
        {"EnglishOneDecimal", english, E::HeatDiss, "12,5", nullptr, 12.5f},
        {"EnglishFourDecimals", english, E::HeatDiss, "1,5000", nullptr, 1.5f},
        {"EnglishWhole", english, E::HeatDiss, "68200", nullptr, 68200},
        {"GermanAltitude", german, E::Altitude, "1.000", "Altitude: 1.000 ? Write 1000 or 1", 0},
        {"GermanHeat", german, E::HeatDiss, "68.200",
         "Cooling required: 68.200 ? Write 68200 or 68,2", 0},
        {"GermanComma", german, E::HeatDiss, "68,200", nullptr, 68.2f},
        {"GermanLeadingZero", german, E::HeatDiss, "0.125", nullptr, 0.125f},
        {"GermanWhole", german, E::HeatDiss, "68200", nullptr, 68200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TScopedRegionalSettings regional(c.Settings);
        const QString typed = QString::fromLatin1(c.Typed);
        const float kept = Controller.EnteredPoint().*QuantityOf(c.Entry).Field;
        const QString shown = Entry(c.Entry);
        Shown.Shown.clear();

        Type(c.Entry, typed);
        if (!c.Message) {
            EXPECT_TRUE(Shown.Shown.isEmpty()) << Shown.Texts().join(" | ").toStdString();
            EXPECT_FLOAT_EQ(Controller.EnteredPoint().*QuantityOf(c.Entry).Field, c.Stored);
            Type(c.Entry, shown);
            continue;
        }
        EXPECT_EQ(Shown.Texts(), QStringList{c.Message});
        EXPECT_EQ(View.FocusedEntry(), c.Entry);
        EXPECT_EQ(Controller.EnteredPoint().*QuantityOf(c.Entry).Field, kept);
        // The entry shows the value kept again, in its unit, which is the base unit here.
        EXPECT_FLOAT_EQ(DataValueToFloat(Entry(c.Entry)), kept);

        for (TButton button : {TButton::New, TButton::Selected}) {
            Controller.btCalcNewCoolerClick();
            ASSERT_TRUE(Controller.PrintingEnabled());
            Shown.Shown.clear();
            TypeWithoutLeaving(c.Entry, typed);
            Press(button);
            EXPECT_EQ(Shown.Texts(), QStringList{c.Message});
            EXPECT_FALSE(Controller.PrintingEnabled());
            EXPECT_FALSE(View.GridShown);
            EXPECT_EQ(Value(L::OilInletTemp), "");
            EXPECT_EQ(Controller.EnteredPoint().*QuantityOf(c.Entry).Field, kept);
        }
    }
}

TEST_F(PendingEntry, AfterAnUnreadableEntryNewCalculatesWhatTheEntriesShow) {
    Type(E::HeatDiss, "");
    Type(E::OilFlow, "abc");
    ASSERT_EQ(Shown.Shown.size(), 2);
    Shown.Shown.clear();

    Controller.btCalcNewCoolerClick();

    EXPECT_TRUE(Shown.Shown.isEmpty());
    EXPECT_EQ(Entry(E::HeatDiss), "10.0");
    EXPECT_EQ(Entry(E::OilFlow), "60.0");
    EXPECT_EQ(GridModels().value(0), "KFIX S");
    EXPECT_EQ(Controller.EnteredPoint().CoolingRequired, 10);
    EXPECT_EQ(Controller.EnteredPoint().OilFlow, 60);
}

TEST_F(PendingEntry, AnEntrySetUnreadableByTheProgramIsToldBeforeCalculating) {
    // Only the user's typing can leave an entry unread, but whatever did is caught.
    View.SetEntryText(E::AirTemp, "warm");
    Controller.btCalcNewCoolerClick();
    EXPECT_EQ(Shown.Texts(), QStringList{"Max. ambient air temp.: warm ?"});
    EXPECT_EQ(View.FocusedEntry(), E::AirTemp);
    EXPECT_FALSE(Controller.PrintingEnabled());
}

} // namespace

namespace {

TEST_F(SelectionPage, NumbersThatOverflowInAnotherUnitNeverShowAnInfinity) {
    // -1e38 m3/h overflows in l/min, and the largest flow overflows again in lb/h.
    PickUnit(TSelectionEntry::OilFlow, Ord(TFlow::m3_h));
    Type(TSelectionEntry::OilFlow, "-1e38");
    EXPECT_TRUE(std::isfinite(Controller.EnteredPoint().OilFlow));
    PickUnit(TSelectionEntry::OilFlow, Ord(TFlow::lb_hr));
    EXPECT_FALSE(Entry(TSelectionEntry::OilFlow).contains("INF"))
        << Entry(TSelectionEntry::OilFlow).toStdString();
    Type(TSelectionEntry::OilFlow, "abc");
    EXPECT_FALSE(Entry(TSelectionEntry::OilFlow).contains("INF"));
}

} // namespace
