#include "ui/SelectionPageLogic.h"

#include "ui/SelectionDiagramChart.h"

TSelectionPageLogic::TSelectionPageLogic(TfKylvane& Window) : View(Window) {}

void TSelectionPageLogic::StoreInputs() {
    View.Controller().StoreInputs();
}

void TSelectionPageLogic::RestoreInputs() {
    View.Controller().RestoreInputs();
}

void TSelectionPageLogic::ClearOnNewCoolerType(bool ClearAllFLG) {
    View.Controller().ClearOnNewCoolerType(ClearAllFLG);
}

void TSelectionPageLogic::LoadFixedTempMode() {
    View.Controller().LoadFixedTempMode();
}

void TSelectionPageLogic::TakeRequiredCooling(const QString& Text, int HeatUnit) {
    View.Controller().TakeRequiredCooling(Text, HeatUnit);
}

void TSelectionPageLogic::MarginsChanged() {
    View.Controller().MarginsChanged();
}

TSelectionReportData TSelectionPageLogic::ReportData() {
    return View.Controller().ReportData();
}

QImage TSelectionPageLogic::ReportDiagram() {
    const std::optional<TSelectionDiagram>& shown = View.ShownDiagram();
    return shown ? RenderSelectionDiagram(*shown, DiagramPictureSize, ReportDiagramScale)
                 : QImage();
}
