#include "tests/pages/selection/SelectionTestPage.h"

#include "pages/selection/CandidateTableModel.h"

#include <QAbstractItemModelTester>

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

// The grid's table model lists the formatted rows as they are, under the header row, and keeps
// Qt's model rules through every change of the candidates.
TEST_F(SelectionPage, TheGridsTableModelListsTheCandidatesUnderTheirHeader) {
    TCandidateTableModel model;
    const QAbstractItemModelTester rules(&model,
                                         QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 0) << "no header is measured before the first candidates";

    TypeOperatingPoint(60, 60, 20, 500, 25);
    Controller.btCalcNewCoolerClick();
    model.SetRows(View.GridRows);
    ASSERT_EQ(model.rowCount(), 3);
    ASSERT_EQ(model.columnCount(), SampleColumnCount);
    for (int column = 0; column < SampleColumnCount; ++column) {
        EXPECT_EQ(model.headerData(column, Qt::Horizontal).toString(),
                  View.GridRows[0].Cells[column]);
        for (int row = 0; row < 3; ++row) {
            const QModelIndex cell = model.index(row, column);
            EXPECT_EQ(cell.data().toString(), View.GridRows[row + 1].Cells[column]);
            EXPECT_EQ(cell.data(TCandidateTableModel::UndersizedRole).toBool(),
                      View.GridRows[row + 1].Undersized);
            EXPECT_FALSE(model.flags(cell).testFlag(Qt::ItemIsEditable));
        }
    }
    EXPECT_EQ(model.index(2, 0).data().toString(), "KFIX S");
    EXPECT_TRUE(model.index(2, 0).data(TCandidateTableModel::UndersizedRole).toBool());

    TypeOperatingPoint(10, 60, 20, 500, 5); // only the smallest admits the flow
    Controller.btCalcNewCoolerClick();
    model.SetRows(View.GridRows);
    EXPECT_EQ(model.rowCount(), 1);
    model.SetRows({});
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 0);
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
