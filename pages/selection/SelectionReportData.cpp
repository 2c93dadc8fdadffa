#include "pages/selection/SelectionController.h"

namespace {

QString CurrentItem(const TSelectionView& View, TSelectionList List) {
    return View.ListItems(List).value(View.ListIndex(List));
}

} // namespace

TSelectionReportData TSelectionController::ReportData() const {
    TSelectionReportData data;
    const int model = View.ListIndex(TSelectionList::Model);
    data.ModelName = CurrentItem(View, TSelectionList::Model);
    data.CatalogueName = cbShadow.value(model);
    data.OilGrade = CurrentItem(View, TSelectionList::Oil);
    for (int i = 0; i < TSelectionReportData::InputCount; ++i) {
        const TSelectionEntry entry = SelectionEntries[i];
        data.Inputs[i] = {View.EntryText(entry), CurrentItem(View, UnitListOf(entry))};
    }
    data.OilInletTemp = View.ResultValue(TResultLine::OilInletTemp);
    data.OilOutletTemp = View.ResultValue(TResultLine::OilOutletTemp);
    data.AirOutletTemp = View.ResultValue(TResultLine::AirOutletTemp);
    data.HeatLoad = View.ResultValue(TResultLine::HeatLoad);
    data.OilPressure = View.ResultValue(TResultLine::OilPressure);
    data.AirFlow = View.ResultValue(TResultLine::AirFlow);
    data.MotorCapacity = View.ResultValue(TResultLine::MotorCapacity);
    data.NoiseLevel = View.ResultValue(TResultLine::NoiseLevel);
    data.Protection = View.ResultValue(TResultLine::ProtectionStd);
    data.HeatLoadHighlighted = View.ResultValueBackground(TResultLine::HeatLoad) != clWhite;
    data.OilInletTempHighlighted = View.ResultValueBackground(TResultLine::OilInletTemp) != clWhite;
    return data;
}
