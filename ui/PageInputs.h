#pragma once

#include "report/SelectionReportData.h"

#include <QImage>
#include <QString>

// What the page change asks of a page: keep its inputs in the settings store when the user
// leaves it, and put them back when the user comes back. Each page that remembers something
// registers one of these with the main window; a page without one keeps nothing.
class TPageInputs {
public:
    virtual ~TPageInputs() = default;

    // The page is being left. Runs before the text page of the page entered is loaded.
    virtual void StoreInputs() = 0;

    // The page has been entered and its text page loaded.
    virtual void RestoreInputs() = 0;
};

// The selection page does more than remember inputs: the window clears it at start-up,
// restores its calculation mode once the window is built, hands it the heat-load page's
// result and tells it when the service margins change.
class TSelectionPageHooks : public TPageInputs {
public:
    virtual void ClearOnNewCoolerType(bool ClearAllFLG) = 0;
    virtual void LoadFixedTempMode() = 0;
    // The heat-load page's result, in the heat unit at `HeatUnit`, becomes the required cooling
    // the next time the page is entered.
    virtual void TakeRequiredCooling(const QString& Text, int HeatUnit) = 0;
    // The service margins changed: results calculated under the old ones are out of date.
    virtual void MarginsChanged() = 0;
    // What the report copies from the page as it shows it now.
    virtual TSelectionReportData ReportData() = 0;
    // The selection diagram as the page shows it, as a picture; null while it shows none.
    virtual QImage ReportDiagram() = 0;
};
