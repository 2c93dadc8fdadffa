#include "tests/pages/selection/SelectionTestPage.h"

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
        ASSERT_EQ(EngineState().InHeatDissi, 10);

        TypeWithoutLeaving(E::HeatDiss, "25");
        Press(button);

        EXPECT_EQ(EngineState().InHeatDissi, 25);
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
    EXPECT_EQ(EngineState().InHeatDissi, 10);
    EXPECT_EQ(EngineState().InOilFlow, 60);
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
    EXPECT_TRUE(std::isfinite(EngineState().InOilFlow));
    PickUnit(TSelectionEntry::OilFlow, Ord(TFlow::lb_hr));
    EXPECT_FALSE(Entry(TSelectionEntry::OilFlow).contains("INF"))
        << Entry(TSelectionEntry::OilFlow).toStdString();
    Type(TSelectionEntry::OilFlow, "abc");
    EXPECT_FALSE(Entry(TSelectionEntry::OilFlow).contains("INF"));
}

} // namespace
