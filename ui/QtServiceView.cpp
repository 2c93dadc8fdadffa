#include "ui/QtServiceView.h"

#include "ui/MainWindow.h"
#include "ui/PasswordDialog.h"
#include "ui/SelectionPage.h"
#include "ui/TempDevDialog.h"

#include <QLabel>
#include <QMouseEvent>

TQtServiceView::TQtServiceView(TfKylvane& Window)
    : Window(Window), Settings(Window.StoreRoots()),
      Entry(*this, Settings, Window.MessageService(), Window.ServiceMargins, Window.Edition()) {
    Window.SelectionPage->Image2->installEventFilter(this);
}

bool TQtServiceView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && watched == Window.SelectionPage->Image2) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (Entry.Image2MouseUp(mouse->button(), mouse->modifiers()))
            Window.MarginsChanged();
    }
    return QObject::eventFilter(watched, event);
}

TdlgWritePW& TQtServiceView::dlgWritePW() {
    if (!PasswordDialog)
        PasswordDialog = new TdlgWritePW(&Window);
    return *PasswordDialog;
}

TdlgTempDev& TQtServiceView::dlgTempDev() {
    if (!MarginsDialog)
        MarginsDialog = new TdlgTempDev(&Window, Window.MessageService());
    return *MarginsDialog;
}

bool TQtServiceView::ExecutePasswordDialog(QString& Password) {
    TdlgWritePW& dialog = dlgWritePW();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Password = dialog.GetPW();
    return true;
}

bool TQtServiceView::ExecuteMarginsDialog(TServiceMargins& Margins) {
    return dlgTempDev().Execute(Margins);
}
