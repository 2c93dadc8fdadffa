#include "pages/selection/SelectionController.h"

QList<Candidate> TSelectionController::Candidates() const {
    return Sized && View.GridVisible() ? Sized->Result.Candidates : QList<Candidate>();
}

QList<TSampleRow> TSelectionController::GridRows() const {
    QList<TSampleRow> rows{
        {{View.GroupCaption(TSelectionGroup::CoolerData), View.ResultCaption(TResultLine::HeatLoad),
          View.ResultCaption(TResultLine::OilInletTemp),
          View.ResultCaption(TResultLine::NoiseLevel),
          View.ResultCaption(TResultLine::OilPressure)},
         false}};
    if (!Sized)
        return rows;
    const QStringList names = View.ListItems(TSelectionList::Model);
    for (qsizetype i = 0; i < Sized->Result.Candidates.size(); ++i) {
        const Candidate& candidate = Sized->Result.Candidates[i];
        rows.append(CandidateRow(names.value(candidate.Position), Sized->Presented[i],
                                 candidate.Undersized));
    }
    return rows;
}

void TSelectionController::ShowCandidate(int Row) {
    const Candidate& candidate = Sized->Result.Candidates[Row - 1];
    View.SetListIndex(TSelectionList::Model, candidate.Position);
    // Each cooling system is shown as it runs: at its own pump's flow.
    if (RunsAtPumpFlow(Sized->Point.Series)) {
        Point.OilFlow = candidate.Result.OilFlow;
        ShowOilFlow(Point.OilFlow);
    }
    ShowResults({candidate.Position, Sized->Models[candidate.Position], candidate.Result,
                 Sized->Presented[Row - 1]});
    View.SetGridSelectedRow(Row);
    ShowSelectionDiagram();
}

bool TSelectionController::sgCoolerSamplesSelectCell([[maybe_unused]] int ACol, int ARow) {
    // The header and rows without a candidate cannot be picked, nor anything while the grid
    // is hidden.
    if (!View.GridVisible() || !Sized || ARow < 1 || ARow > Sized->Result.Candidates.size())
        return false;
    RunAction([&] { ShowCandidate(ARow); });
    return true;
}
