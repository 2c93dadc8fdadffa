#include "ui/SelectionPageLogic.h"

#include "ui/HeatLoadPage.h"
#include "ui/MainWindow.h"
#include "ui/SelectionDiagramChart.h"

#include <QComboBox>

TSelectionPageLogic::TSelectionPageLogic(TfKylvane& Window) : View(Window), Window(Window) {}

void TSelectionPageLogic::StoreInputs() {
    View.Controller().StoreInputs();
}

void TSelectionPageLogic::RestoreInputs(int PageLeft) {
    View.Controller().RestoreInputs(PageLeft,
                                    Window.HeatLoadPage->cbUnitlResultHeatDissi->currentIndex());
}

void TSelectionPageLogic::ClearOnNewCoolerType(bool ClearAllFLG) {
    View.Controller().ClearOnNewCoolerType(ClearAllFLG);
}

void TSelectionPageLogic::LoadFixedTempMode() {
    View.Controller().LoadFixedTempMode();
}

void TSelectionPageLogic::TakeRequiredCooling(const QString& Text) {
    View.SetEntryText(TSelectionEntry::HeatDiss, Text);
    View.Controller().ClearOnNewCoolerType(false);
}

TSelectionReportData TSelectionPageLogic::ReportData() {
    return View.Controller().ReportData();
}

QImage TSelectionPageLogic::ReportDiagram() {
    const std::optional<TSelectionDiagram>& shown = View.ShownDiagram();
    return shown ? RenderSelectionDiagram(*shown, DiagramPictureSize, ReportDiagramScale)
                 : QImage();
}
