#include "tests/support/WindowTestSupport.h"

#include "core/RegionalSettings.h"
#include "settings/RegRoutines.h"
#include "ui/PasswordDialog.h"
#include "ui/QtServiceView.h"
#include "ui/SelectionPage.h"
#include "ui/SelectionPageLogic.h"
#include "ui/TempDevDialog.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <functional>

namespace {

// The window with the selection logic and the service entry, showing the selection page.
class ServiceDialogs : public WindowTest {
protected:
    void SetUp() override {
        Window = StartWindow([](TfKylvane& w) {
            w.SetSelectionPageHooks(std::make_unique<TSelectionPageLogic>(w));
        });
        QApplication::setActiveWindow(Window.get());
        Window->PageControl1->setCurrentIndex(SelectionPageIndex);
        Service = std::make_unique<TQtServiceView>(*Window);
    }
    void TearDown() override { Service.reset(); }

    // A mouse button released over the logo.
    void ReleaseOnLogo(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
        QLabel* logo = Window->SelectionPage->Image2;
        const QPointF at(logo->width() / 2.0, logo->height() / 2.0);
        QMouseEvent release(QEvent::MouseButtonRelease, at, logo->mapToGlobal(at), button,
                            Qt::NoButton, modifiers);
        QApplication::sendEvent(logo, &release);
    }

    // Runs `use` on the modal dialog named `name` once it is shown; `use` closes it. A dialog
    // that does not show within a few seconds, or another one in its place, is rejected, so a
    // failing test never hangs in a dialog.
    void WhenShown(const QString& name, const std::function<void(QDialog*)>& use) {
        auto* poll = new QTimer(Window.get());
        const QDeadlineTimer deadline(5000);
        QObject::connect(poll, &QTimer::timeout, [this, poll, deadline, name, use] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            const bool shown = dialog && dialog->isVisible() && dialog->objectName() == name;
            if (!shown && !deadline.hasExpired())
                return;
            poll->stop();
            poll->deleteLater();
            if (!shown) {
                if (dialog)
                    dialog->reject();
                return;
            }
            Opened.append(name);
            use(dialog);
        });
        poll->start(1);
    }

    void EnterPassword(const QString& password) {
        WhenShown("dlgWritePW", [password](QDialog* dialog) {
            auto* pw = static_cast<TdlgWritePW*>(dialog);
            pw->edPW->setText(password);
            pw->OKBtn->click();
        });
    }

    TScopedRegionalSettings Point{QLatin1Char('.')};
    std::unique_ptr<TfKylvane> Window;
    std::unique_ptr<TQtServiceView> Service;
    QStringList Opened;
};

TEST_F(ServiceDialogs, OnlyCtrlWithTheRightButtonOpensThePasswordDialog) {
    ReleaseOnLogo(Qt::LeftButton, Qt::ControlModifier);
    ReleaseOnLogo(Qt::RightButton, Qt::NoModifier);
    EXPECT_EQ(Window->findChild<TdlgWritePW*>(), nullptr);

    WhenShown("dlgWritePW",
              [](QDialog* dialog) { static_cast<TdlgWritePW*>(dialog)->CancelBtn->click(); });
    ReleaseOnLogo(Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(Opened, QStringList{"dlgWritePW"});
}

TEST_F(ServiceDialogs, PasswordDialogHidesWhatIsTypedAndStartsEmptyEachTime) {
    TdlgWritePW& dialog = Service->dlgWritePW();
    EXPECT_EQ(dialog.windowTitle(), "Password Dialog");
    EXPECT_EQ(dialog.Label1->text(), "Enter password:");
    EXPECT_EQ(dialog.edPW->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(dialog.OKBtn->isDefault());
    dialog.edPW->setText("left from before");
    dialog.show();
    EXPECT_EQ(dialog.GetPW(), "");
    dialog.hide();
}

// The whole entry as a service engineer goes through it: the password, the defaults, OK. The
// very next calculation on the selection page works with the new margin.
TEST_F(ServiceDialogs, NewMarginsAreStoredAndUsedByTheNextCalculation) {
    TSelectionPage& page = *Window->SelectionPage;
    page.edOilflowCoolerData->setText("26,4"); // US gpm
    page.edMaxTempCoolerData->setText("140");  // °F
    page.edAirTempCoolerData->setText("86");
    page.edAlittudeCoolerData->setText("0");
    page.edHeatDissCoolerData->setText("68240"); // Btu/hr
    for (QLineEdit* entry :
         {page.edOilflowCoolerData, page.edMaxTempCoolerData, page.edAirTempCoolerData,
          page.edAlittudeCoolerData, page.edHeatDissCoolerData}) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(entry, &out);
    }
    page.btCalcNewCooler->click();
    const QString inletBefore = page.lbOilInletTempCoolerValue->text();
    ASSERT_FALSE(inletBefore.isEmpty()) << Recorded.Texts().join(" | ").toStdString();

    EnterPassword("ZK_735184_US");
    WhenShown("dlgTempDev", [](QDialog* dialog) {
        auto* margins = static_cast<TdlgTempDev*>(dialog);
        margins->edAirOutOilOutDiff->setText("40");
        margins->OKBtn->click();
    });
    ReleaseOnLogo(Qt::RightButton, Qt::ControlModifier);

    EXPECT_EQ(Opened, (QStringList{"dlgWritePW", "dlgTempDev"}));
    EXPECT_EQ(Window->ServiceMargins.OutputOilAirDev, 40);
    int32_t stored = 0;
    EXPECT_TRUE(
        TRegRoutines(Window->StoreRoots()).GetRegInteger(stored, "\\Page1", "OutputOilAirDev"));
    EXPECT_EQ(stored, 40);

    // The page already shows what sizing under the new margin gives.
    const QString inletAfter = page.lbOilInletTempCoolerValue->text();
    const bool printingAfter = Window->mmPrint->isEnabled();
    EXPECT_NE(inletAfter, inletBefore);
    page.btCalcNewCooler->click();
    EXPECT_EQ(page.lbOilInletTempCoolerValue->text(), inletAfter);
    EXPECT_EQ(Window->mmPrint->isEnabled(), printingAfter);
}

TEST_F(ServiceDialogs, MarginsDialogUndoesATypedMinusAndCancelKeepsTheMargins) {
    EnterPassword("ZK_735184_US");
    WhenShown("dlgTempDev", [](QDialog* dialog) {
        auto* margins = static_cast<TdlgTempDev*>(dialog);
        EXPECT_EQ(margins->windowTitle(), "Temperature Deviations");
        EXPECT_EQ(margins->edAirOutOilOutDiff->text(), "3");
        EXPECT_EQ(margins->edAirOutOilOutDiff->maxLength(), 2);
        margins->edOilMaxOilOutDiff->clear();
        margins->edOilMaxOilOutDiff->insert("-");
        EXPECT_EQ(margins->edOilMaxOilOutDiff->text(), "");
        margins->btDefaultValues->click();
        EXPECT_EQ(margins->edOilMaxOilOutDiff->text(), "6");
        margins->CancelBtn->click();
    });
    Window->ServiceMargins.OilMaxOilDev = 8;
    ReleaseOnLogo(Qt::RightButton, Qt::ControlModifier);

    EXPECT_EQ(Opened, (QStringList{"dlgWritePW", "dlgTempDev"}));
    EXPECT_EQ(Recorded.Texts(), QStringList{"\"-\" is not an integer."});
    EXPECT_EQ(Window->ServiceMargins.OilMaxOilDev, 8);
    int32_t stored = 0;
    EXPECT_FALSE(
        TRegRoutines(Window->StoreRoots()).GetRegInteger(stored, "\\Page1", "OilMaxOilDev"));
}

} // namespace
