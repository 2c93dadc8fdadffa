#pragma once

#include "ui/PageInputs.h"
#include "ui/QtDimensionsView.h"

class TfKylvane;
class TQtSelectionView;

// The dimensions page's logic as the window registers it: the page wired to the dimensions
// controller, the selection page's series change passed on to it, and the page change's store
// and restore of the page's series and model.
class TDimensionsPageLogic : public TPageInputs {
public:
    TDimensionsPageLogic(TfKylvane& Window, TQtSelectionView& SelectionView);

    void StoreInputs() override;
    void RestoreInputs() override;

    TQtDimensionsView View;
};
