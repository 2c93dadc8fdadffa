#include "tests/pages/selection/SelectionTestPage.h"

namespace {

using E = TSelectionEntry;
using L = TResultLine;

TEST_F(SelectionPage, CandidatesAreTheChosenModelAndItsNeighbours) {
    const struct {
        const char* Name;
        float Flow, Heat;
        QStringList Models;
        QList<bool> Undersized;
    } cases[] = {
        // about 19, 37 and 72 kW, admitting 5-60, 20-150 and 50-300 l/min
        {"Middle", 60, 25, {"KFIX M", "KFIX L", "KFIX S"}, {false, false, true}},
        {"Smallest", 40, 10, {"KFIX S", "KFIX M"}, {false, false}},
        {"Largest", 60, 50, {"KFIX L", "KFIX M"}, {false, true}},
        {"LargerRejectsTheFlow", 10, 5, {"KFIX S"}, {false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TypeOperatingPoint(c.Flow, 60, 20, 500, c.Heat);
        Controller.btCalcNewCoolerClick();
        ASSERT_TRUE(View.GridShown);
        EXPECT_EQ(GridModels(), c.Models);
        QList<bool> undersized;
        for (qsizetype row = 1; row < View.GridRows.size(); ++row)
            undersized.append(View.GridRows[row].Undersized);
        EXPECT_EQ(undersized, c.Undersized);

        const QList<Candidate> candidates = Controller.Candidates();
        ASSERT_EQ(candidates.size(), c.Models.size());
        const QStringList models = View.ListItems(TSelectionList::Model);
        for (qsizetype i = 0; i < candidates.size(); ++i) {
            EXPECT_EQ(models[candidates[i].Position], c.Models[i]);
            EXPECT_EQ(candidates[i].Undersized, c.Undersized[i]);
        }

        // The panel shows the first candidate, whose row is selected.
        EXPECT_EQ(View.SelectedGridRow, 1);
        EXPECT_EQ(View.ListIndex(TSelectionList::Model), candidates[0].Position);
        EXPECT_EQ(Value(L::OilInletTemp), View.GridRows[1].Cells[2]);
        EXPECT_TRUE(Controller.PrintingEnabled());
        EXPECT_TRUE(Shown.Shown.isEmpty());
    }
}

TEST_F(SelectionPage, GridNamesItsColumnsLikeThePanel) {
    TypeOperatingPoint(60, 60, 20, 500, 25);
    Controller.btCalcNewCoolerClick();
    EXPECT_EQ(View.GridRows[0],
              (TSampleRow{{"Cooler type ", "Sp. heat dissipation", "Inlet oil temperature",
                           "LpA, 1 m", "Oil pressure drop"},
                          false}));
    const TSampleRow& first = View.GridRows[1];
    EXPECT_EQ(first.Cells[1], Value(L::HeatLoad).mid(1)); // without the leading blank
    EXPECT_EQ(first.Cells[3], Value(L::NoiseLevel));
    EXPECT_EQ(first.Cells[4], Value(L::OilPressure));
}

TEST_F(SelectionPage, PickingAnUndersizedCandidateCalculatesItAndKeepsTheGrid) {
    TypeOperatingPoint(60, 60, 20, 500, 25);
    Controller.btCalcNewCoolerClick();
    const QList<TSampleRow> grid = View.GridRows;
    ASSERT_TRUE(grid[3].Undersized);

    EXPECT_TRUE(Controller.sgCoolerSamplesSelectCell(4, 3));
    EXPECT_EQ(View.SelectedGridRow, 3);
    EXPECT_EQ(View.ListIndex(TSelectionList::Model), 0);
    EXPECT_EQ(Value(L::OilInletTemp), grid[3].Cells[2]);
    EXPECT_EQ(View.GridRows, grid);
    EXPECT_TRUE(View.GridShown);
    // Falling short at the maximum, it needs a hotter inlet than the user allows.
    EXPECT_EQ(View.Entry(E::MaxTemp).Background, clRed);
    EXPECT_EQ(View.Line(L::OilInletTemp).Background, clRed);

    EXPECT_TRUE(Controller.sgCoolerSamplesSelectCell(0, 1));
    EXPECT_EQ(View.ListIndex(TSelectionList::Model), 1);
    EXPECT_EQ(View.Entry(E::MaxTemp).Background, clWhite);
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

TEST_F(SelectionPage, OnlyCandidateRowsCanBePicked) {
    TypeOperatingPoint(60, 60, 20, 500, 25);
    Controller.btCalcNewCoolerClick();
    const QString inletTemp = Value(L::OilInletTemp);
    for (int row : {0, 4, -1}) {
        EXPECT_FALSE(Controller.sgCoolerSamplesSelectCell(1, row)) << row;
        EXPECT_EQ(View.SelectedGridRow, 1);
        EXPECT_EQ(View.ListIndex(TSelectionList::Model), 1);
        EXPECT_EQ(Value(L::OilInletTemp), inletTemp);
    }
    Type(E::HeatDiss, "26"); // hides the grid
    EXPECT_FALSE(Controller.sgCoolerSamplesSelectCell(1, 2));
    EXPECT_EQ(View.ListIndex(TSelectionList::Model), 1);
}

TEST_F(SelectionPage, CoolingSystemCandidatesShowTheirPumpFlow) {
    PickSeries(VCS_Cooler);
    TypeOperatingPoint(60, 60, 20, 500, 45);
    Controller.btCalcNewCoolerClick();
    ASSERT_EQ(GridModels(), (QStringList{"KVCS C", "KVCS B"}));
    // The chosen system's pump flow, at which it was chosen and calculated.
    EXPECT_EQ(Entry(E::OilFlow), "80.0");
    EXPECT_EQ(Controller.EnteredPoint().OilFlow, 80);

    EXPECT_TRUE(Controller.sgCoolerSamplesSelectCell(0, 2));
    EXPECT_EQ(Entry(E::OilFlow), "40.0");
    EXPECT_EQ(Controller.EnteredPoint().OilFlow, 40);
    EXPECT_TRUE(View.GridShown);
}

} // namespace
