#include "pages/selection/SelectionController.h"

namespace {

QString CurrentItem(const TSelectionView& View, TSelectionList List) {
    return View.ListItems(List).value(View.ListIndex(List));
}

} // namespace

TSelectionReportData TSelectionController::ReportData() const {
    TSelectionReportData data;
    const OperatingPoint point = CurrentPoint();
    data.Series = point.Series;
    data.InletTempHeld = point.InletTempHeld;
    const int model = View.ListIndex(TSelectionList::Model);
    data.ModelName = CurrentItem(View, TSelectionList::Model);
    data.CatalogueName = cbShadow.value(model);
    data.OilGrade = CurrentItem(View, TSelectionList::Oil);
    for (int i = 0; i < TSelectionReportData::InputCount; ++i) {
        const TSelectionEntry entry = SelectionEntries[i];
        data.Inputs[i] = {View.EntryText(entry), CurrentItem(View, UnitListOf(entry))};
    }
    // The results as the panel shows them, made from the rating rather than read off it.
    if (!Shown)
        return data;
    CopyResultsInto(data, Shown->Presented);
    return data;
}
