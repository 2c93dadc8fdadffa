#include "ui/ReportInputs.h"

#include "core/EngineState.h"
#include "ui/MainWindow.h"
#include "ui/SelectionPage.h"

#include <QRadioButton>

namespace {

// The series whose button the selection page shows checked; the first before any is.
TCoolerType SelectionSeries(const TSelectionPage& Page) {
    if (Page.rbDCCoolerData->isChecked())
        return DC_Cooler;
    if (Page.rbCSCoolerData->isChecked())
        return Cooler_System;
    if (Page.rbVCSCoolerData->isChecked())
        return VCS_Cooler;
    return AC_Cooler;
}

} // namespace

void ShareReportInputs(const TfKylvane& Window) {
    TEngineState& state = EngineState();
    state.USVersionFLG = Window.Edition() == TEdition::US;
    state.IniFilePath = Window.IniFilePath;
    state.CurrentCoolerType = SelectionSeries(*Window.SelectionPage);
    state.FixedInletTempFLG = Window.SelectionPage->rbFixedTemp->isChecked();
}
