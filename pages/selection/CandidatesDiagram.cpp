#include "pages/selection/SelectionController.h"

#include "core/EngineState.h"
#include "engine/CoolerSeries.h"
#include "pages/selection/SelectionTextKeys.h"
#include "texts/Language.h"

#include <algorithm>

void TSelectionController::ShowSelectionDiagram() {
    TEngineState& s = EngineState();
    const TSeriesTraits& series = SeriesTraitsOf(s.CurrentCoolerType);
    const TCoolChooseTbl& table = s.*series.ChooseTable;
    const QStringList names = View.ListItems(TSelectionList::Model);
    const int shown = View.ListIndex(TSelectionList::Model);

    QList<int> positions(CoolerSamples.CoolerSamplesType.begin() + 1,
                         CoolerSamples.CoolerSamplesType.begin() + 1 +
                             CoolerSamples.CoolerSamplesCnt);
    std::sort(positions.begin(), positions.end());
    QList<TDiagramModel> models;
    for (int position : positions)
        models.append({names.value(position), table[position], position == shown});

    TCoolerHlp{OilSectionName(), s.IniFilePath}; // the grade of the page, whatever ran since
    TSelectionDiagram diagram = ComputeSelectionDiagram(
        models, series.PumpFlow, View.ListIndex(TSelectionList::OilFlowUnit),
        View.ListIndex(TSelectionList::HeatDissUnit));
    diagram.FlowCaption = View.GroupCaption(TSelectionGroup::OilFlow);
    // The quantity, whichever the heat line of the results shows in the page's mode.
    if (TLanguage* language = View.TextStore()) {
        if (language->GetLastLanguagePage() != Page_1)
            language->NewPageText(Page_1);
        diagram.DissipationCaption = language->GetTxt(SelectionTextKey::SpecificHeatLoad);
    }
    View.ShowDiagram(diagram);
}
