#include "pages/selection/SelectionController.h"

#include <algorithm>

void TSelectionController::ShowSelectionDiagram() {
    if (!Sized || !Shown)
        return;
    const QStringList names = View.ListItems(TSelectionList::Model);
    QList<int> positions;
    for (const Candidate& candidate : Sized->Result.Candidates)
        positions.append(candidate.Position);
    std::sort(positions.begin(), positions.end());
    QList<TDiagramModel> models;
    for (int position : positions)
        models.append({names.value(position), ChooseRecordOf(Sized->Models[position]),
                       position == Shown->Position});

    // The operating point at the flow the results shown are calculated at: a cooling system's
    // is its pump's.
    OperatingPoint point = Sized->Point;
    point.OilFlow = Shown->Result.OilFlow;
    TSelectionDiagram diagram = ComputeSelectionDiagram(
        point, Sized->Oil, models, View.ListIndex(TSelectionList::OilFlowUnit),
        View.ListIndex(TSelectionList::HeatDissUnit));
    diagram.FlowCaption = View.GroupCaption(TSelectionGroup::OilFlow);
    // The quantity, whichever the heat line of the results shows in the page's mode.
    diagram.DissipationCaption = Captions().SpecificDissipation;
    View.ShowDiagram(diagram);
}
