#include "pages/selection/SelectionController.h"

#include "core/EngineState.h"
#include "pages/selection/SelectionEntries.h"
#include "texts/TextHelpers.h"

namespace {

// Shares of the grid's width by column; the last column takes what is left of 99 %.
constexpr std::array<int, SampleColumnCount - 1> ColumnPercent{25, 21, 20, 14};

// The data rows a grid row can hold a candidate for.
constexpr int MaxCoolerSamples = 4;

} // namespace

void TSelectionController::SetColumnWidths() {
    const int width = View.GridWidth();
    int used = 0;
    for (int column = 0; column < SampleColumnCount - 1; ++column) {
        View.SetGridColumnWidth(column, width * ColumnPercent[column] / 100);
        used += View.GridColumnWidth(column); // the grid may not take a width exactly
    }
    View.SetGridColumnWidth(SampleColumnCount - 1, width * 99 / 100 - used);
}

void TSelectionController::FillCoolerSamples(int Chosen) {
    EngineState().ShowMessagesFLG = false; // a neighbour out of range is simply not listed
    for (int offset : {0, +1, -1})
        AddCoolerSample(Chosen, offset);
}

void TSelectionController::AddCoolerSample(int Chosen, int Offset) {
    const int position = Chosen + Offset;
    const QStringList models = View.ListItems(TSelectionList::Model);
    if (position < 0 || position >= models.size() ||
        CoolerSamples.CoolerSamplesCnt >= MaxCoolerSamples)
        return;
    View.SetListIndex(TSelectionList::Model, position);
    // Each cooling system is listed as it runs: at its own pump's flow.
    if (EngineState().CurrentCoolerType == VCS_Cooler)
        ShowPumpFlow(position);
    btCalcSelectedCoolerClick();

    // A smaller neighbour is listed even when it falls short, so the user sees how close it
    // comes; a larger one only when it suffices.
    const TEngineState& s = EngineState();
    const bool undersized = s.InHeatDissi > s.LastActualDissipation || InletAboveMaximum();
    if (s.LastCalcResult != LR_OK || (undersized && position >= Chosen))
        return;
    const int row = ++CoolerSamples.CoolerSamplesCnt;
    CoolerSamples.CoolerSampleUndersized.resize(row + 1);
    CoolerSamples.CoolerSampleUndersized[row] = undersized;
    CoolerSamples.CoolerSamplesType[row] = position;
    CoolerSamples.Cells.append({models[position], TextAfterFirstBlank(s.HeatLoadStr),
                                View.ResultValue(TResultLine::OilInletTemp),
                                View.ResultValue(TResultLine::NoiseLevel),
                                View.ResultValue(TResultLine::OilPressure)});
}

QList<TSampleRow> TSelectionController::GridRows() const {
    QList<TSampleRow> rows{
        {{View.GroupCaption(TSelectionGroup::CoolerData), View.ResultCaption(TResultLine::HeatLoad),
          View.ResultCaption(TResultLine::OilInletTemp),
          View.ResultCaption(TResultLine::NoiseLevel),
          View.ResultCaption(TResultLine::OilPressure)},
         false}};
    for (int row = 1; row <= CoolerSamples.CoolerSamplesCnt; ++row)
        rows.append({CoolerSamples.Cells[row - 1], CoolerSamples.CoolerSampleUndersized[row]});
    return rows;
}

bool TSelectionController::sgCoolerSamplesSelectCell([[maybe_unused]] int ACol, int ARow) {
    // The header and rows without a candidate cannot be picked, nor anything while the grid
    // is hidden.
    if (!View.GridVisible() || ARow < 1 || ARow > CoolerSamples.CoolerSamplesCnt)
        return false;
    RunAction([&] {
        TEngineState& s = EngineState();
        const TShowMessagesAfterwards showMessages;
        s.ShowMessagesFLG = false;
        const int position = CoolerSamples.CoolerSamplesType[ARow];
        View.SetListIndex(TSelectionList::Model, position);
        if (s.CurrentCoolerType == VCS_Cooler)
            ShowPumpFlow(position);
        btCalcSelectedCoolerClick();
        View.SetGridSelectedRow(ARow);
        if (View.GridVisible())
            ShowSelectionDiagram();
    });
    return true;
}
