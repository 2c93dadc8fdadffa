#pragma once

#include "pages/service/ServiceEntry.h"
#include "pages/service/ServiceView.h"
#include "settings/StoredValues.h"

#include <QObject>

class TdlgTempDev;
class TdlgWritePW;
class TfKylvane;

// The hidden service entry on the selection page's logo, with the password and margins dialogs
// as its view. The dialogs are made at their first showing and belong to the window.
class TQtServiceView : public QObject, public TServiceView {
public:
    explicit TQtServiceView(TfKylvane& Window);

    bool ExecutePasswordDialog(QString& Password) override;
    bool ExecuteMarginsDialog(TServiceMargins& Margins) override;

    TdlgWritePW& dlgWritePW();
    TdlgTempDev& dlgTempDev();

protected:
    // A mouse button released over the logo.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TfKylvane& Window;
    TRegStoredValues Settings;
    TServiceEntry Entry;
    TdlgWritePW* PasswordDialog = nullptr;
    TdlgTempDev* MarginsDialog = nullptr;
};
