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
    void RestoreInputs() override;
    void ClearOnNewCoolerType(bool ClearAllFLG) override;
    void LoadFixedTempMode() override;
    void TakeRequiredCooling(const QString& Text, int HeatUnit) override;
    void MarginsChanged() override;
    TSelectionReportData ReportData() override;
    QImage ReportDiagram() override;

    TQtSelectionView View;
};
