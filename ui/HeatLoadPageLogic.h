#pragma once

#include "ui/PageInputs.h"
#include "ui/QtHeatLoadView.h"

class TfKylvane;

// The heat-load page's logic as the window registers it: the page wired to the heat-load
// controller, and the page change's store and restore of the page's units and entries.
class THeatLoadPageLogic : public TPageInputs {
public:
    explicit THeatLoadPageLogic(TfKylvane& Window) : View(Window) {}

    void StoreInputs() override { View.Controller().StoreInputs(); }
    void RestoreInputs() override { View.Controller().RestoreInputs(); }

    TQtHeatLoadView View;
};
