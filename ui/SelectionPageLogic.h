#pragma once

#include "ui/PageInputs.h"
#include "ui/QtSelectionView.h"

class TfKylvane;

// The selection page's logic as the window registers it: the page wired to the selection
// controller, and the page change's store and restore of the page's choices.
class TSelectionPageLogic : public TSelectionPageHooks {
public:
    explicit TSelectionPageLogic(TfKylvane& Window);

    void StoreInputs() override;
    // From the heat-load page the required cooling is read in that page's result unit.
    void RestoreInputs(int PageLeft) override;
    void ClearOnNewCoolerType(bool ClearAllFLG) override;
    void LoadFixedTempMode() override;
    void TakeRequiredCooling(const QString& Text) override;
    TSelectionReportData ReportData() override;
    QImage ReportDiagram() override;

    TQtSelectionView View;

private:
    TfKylvane& Window;
};
