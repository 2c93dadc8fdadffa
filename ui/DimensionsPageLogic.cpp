#include "ui/DimensionsPageLogic.h"

#include "ui/QtSelectionView.h"

TDimensionsPageLogic::TDimensionsPageLogic(TfKylvane& Window, TQtSelectionView& SelectionView)
    : View(Window) {
    SelectionView.OnShowDimensionSeries = [this](TCoolerType Series) {
        View.Controller().ShowDimensionSeries(Series);
    };
}

void TDimensionsPageLogic::StoreInputs() {
    View.Controller().StoreInputs();
}

void TDimensionsPageLogic::RestoreInputs() {
    View.Controller().RestoreInputs();
}
