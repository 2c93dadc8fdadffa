#include "app/window/ScreenshotTour.h"

#include "app/window/TourInput.h"
#include "core/MessageService.h"
#include "core/WholeFileWriter.h"
#include "ui/AboutBox.h"
#include "ui/DimensionsPage.h"
#include "ui/HeatLoadPage.h"
#include "ui/MainWindow.h"
#include "ui/PrintSetupDialog.h"
#include "ui/SelectionPage.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

namespace {

// Long enough for the window manager to have placed and painted the window.
constexpr int SettleMilliseconds = 400;

// The worked example of the user's guide, in the calculation's base units; each edition types
// it in the units its pages show. tools/screenshots.sh writes the report of the same point.
constexpr double OilFlowLiterPerMin = 100;
constexpr double MaxOilTempC = 60;
constexpr double AirTempC = 30;
constexpr double AltitudeM = 0;
constexpr double RequiredCoolingkW = 20;
// The heat-load example: a 300 litre tank whose oil warms from 20 °C to 52 °C in 15 minutes
// while the system runs without a cooler, about the 20 kW sized for above.
constexpr double TankLiter = 300;
constexpr double FirstReadingC = 20;
constexpr double SecondReadingC = 52;
const QString MinutesBetweenReadings = QStringLiteral("15");

void PrintMessages(const TRecordingMessages& Recorded) {
    for (const QString& message : Recorded.Texts())
        std::fprintf(stderr, "The program said: %s\n", qPrintable(message));
}

class TScreenshotTour {
public:
    TScreenshotTour(TfKylvane& Window, const QString& Directory, const TRecordingMessages& Recorded)
        : Window(Window), Directory(Directory), Recorded(Recorded) {}

    // Shows each page as the example leaves it and saves its picture; true when every picture
    // was saved and the program had nothing to tell.
    bool Run() {
        Save(Window, QStringLiteral("start"));
        SizeTheCooler();
        Save(Window, QStringLiteral("selection"));
        OpenThePrintSetup();
        CalculateTheHeatLoad();
        Save(Window, QStringLiteral("heatload"));
        ShowTheChosenModelsDimensions();
        Save(Window, QStringLiteral("dimensions"));
        ShowPage(LanguagePageIndex);
        Save(Window, QStringLiteral("language"));
        OpenTheAboutBox();
        PrintMessages(Recorded);
        return Saved && Recorded.Shown.isEmpty();
    }

private:
    // As a click on the page's tab.
    void ShowPage(int PageIndex) {
        Window.PageControl1->setCurrentIndex(PageIndex);
        QApplication::processEvents();
    }

    void SizeTheCooler() {
        ShowPage(SelectionPageIndex);
        TSelectionPage& page = *Window.SelectionPage;
        page.rbACCoolerData->click();
        Pick(page.cbOilCoolerData, page.cbOilCoolerData->findText(QStringLiteral("ISO VG 46")));
        TypeInto(page.edOilflowCoolerData,
                 TypedInShownUnit(&TUnitConv::FlowFromLiterPerMin, OilFlowLiterPerMin,
                                  page.cbOilflowCoolerData));
        TypeInto(page.edMaxTempCoolerData,
                 TypedInShownUnit(&TUnitConv::TempFromC, MaxOilTempC, page.cbMaxTempCoolerData));
        TypeInto(page.edAirTempCoolerData,
                 TypedInShownUnit(&TUnitConv::TempFromC, AirTempC, page.cbAirTempCoolerData));
        TypeInto(page.edAlittudeCoolerData,
                 TypedInShownUnit(&TUnitConv::LengthFromm, AltitudeM, page.cbAlittudeCoolerData));
        TypeInto(page.edHeatDissCoolerData,
                 TypedInShownUnit(&TUnitConv::HeatDissiFromkW, RequiredCoolingkW,
                                  page.cbHeatDissCoolerData));
        page.btCalcNewCooler->click();
        QApplication::processEvents();
        if (!Window.mmPrint->isEnabled()) {
            std::fprintf(stderr, "The selection page sized no cooler\n");
            Saved = false;
        }
    }

    // The print button opens the print setup; its picture is taken with the references typed,
    // and the setup is cancelled, since the report would go to the desktop's word processor.
    void OpenThePrintSetup() {
        QTimer::singleShot(0, &Window, [this] {
            TfPrePrint& setup = Window.PrePrint();
            TypeInto(setup.edYourRef, QStringLiteral("Press line 4"));
            TypeInto(setup.edOurRef, QStringLiteral("Offer 2612"));
            QApplication::processEvents();
            Save(setup, QStringLiteral("print-setup"));
            setup.bbCancelPrint->click();
        });
        Window.SelectionPage->sbPrint->click();
        QApplication::processEvents();
    }

    void CalculateTheHeatLoad() {
        ShowPage(HeatLoadPageIndex);
        THeatLoadPage& page = *Window.HeatLoadPage;
        TypeInto(page.edValueOilVolumeHeatDissi,
                 TypedInShownUnit(&TUnitConv::VolumeFromliter, TankLiter,
                                  page.cbUnitOilVolumeHeatDissi));
        TypeInto(
            page.edValueStartTempHeatDissi,
            TypedInShownUnit(&TUnitConv::TempFromC, FirstReadingC, page.cbUnitStartTemplHeatDissi));
        TypeInto(
            page.edValueEndTempHeatDissi,
            TypedInShownUnit(&TUnitConv::TempFromC, SecondReadingC, page.cbUnitlEndTempHeatDissi));
        TypeInto(page.edValueTimeIntervalHeatDissi, MinutesBetweenReadings);
        page.btCalculateHeatDissi->click();
        QApplication::processEvents();
    }

    // The model the selection chose, with the buttons of its drawing and its series' key.
    void ShowTheChosenModelsDimensions() {
        const QString model = Window.SelectionPage->cbTypeCoolerData->currentText();
        ShowPage(DimensionsPageIndex);
        TDimensionsPage& page = *Window.DimensionsPage;
        page.rbACCooler->click();
        const int index = page.cbDimension->findText(model);
        if (index < 0) {
            std::fprintf(stderr, "The dimensions page does not list %s\n", qPrintable(model));
            Saved = false;
            return;
        }
        Pick(page.cbDimension, index);
        QApplication::processEvents();
    }

    // As the menu's About > Version does.
    void OpenTheAboutBox() {
        QTimer::singleShot(0, &Window, [this] {
            TAboutBox& about = Window.AboutBox();
            Save(about, QStringLiteral("about"));
            about.OKButton->click();
        });
        Window.mmVersion->trigger();
    }

    void Save(QWidget& Shown, const QString& Name) {
        QApplication::processEvents();
        const QString file = Directory.filePath(Name + QStringLiteral(".png"));
        QBuffer picture;
        picture.open(QIODevice::WriteOnly);
        QString error = QStringLiteral("the picture cannot be encoded");
        if (!Shown.grab().save(&picture, "PNG") || !WriteWholeFile(file, picture.data(), error)) {
            std::fprintf(stderr, "Could not save %s: %s\n", qPrintable(file), qPrintable(error));
            Saved = false;
        }
    }

    TfKylvane& Window;
    QDir Directory;
    const TRecordingMessages& Recorded;
    bool Saved = true;
};

} // namespace

bool ScreenshotsAsked() {
    return !qEnvironmentVariable("AIRCOOLER_SCREENSHOT_DIR").isEmpty();
}

void TakeScreenshotsIfAsked(TfKylvane& Window, const TRecordingMessages& Recorded) {
    const QString directory = qEnvironmentVariable("AIRCOOLER_SCREENSHOT_DIR");
    if (directory.isEmpty())
        return;
    // No box told why the window could not start.
    if (Window.MustCloseFLG) {
        PrintMessages(Recorded);
        return;
    }
    QTimer::singleShot(SettleMilliseconds, &Window, [&Window, &Recorded, directory] {
        QDir().mkpath(directory);
        TScreenshotTour tour(Window, directory, Recorded);
        QCoreApplication::exit(tour.Run() ? 0 : 1);
    });
}
