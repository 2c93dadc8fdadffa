#include "app/window/ScreenshotTour.h"
#include "app/window/StartupProbe.h"
#include "core/RegionalSettings.h"
#include "ui/DimensionsPageLogic.h"
#include "ui/HeatLoadPageLogic.h"
#include "ui/MainWindow.h"
#include "ui/QtMessageService.h"
#include "ui/QtServiceView.h"
#include "ui/SelectionPageLogic.h"

#include "settings/VersUnit.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const char* const Usage =
    "Usage: aircooler [--help] [--version] [Qt options]\n"
    "\n"
    "Starts Air Oil Cooler Software, the sizing tool for air-oil coolers of hydraulic systems,\n"
    "in its window. aircooler-cli sizes coolers without a window.\n"
    "\n"
    "  --help      print this text and exit\n"
    "  --version   print the version and the edition and exit\n"
    "\n"
    "The toolkit's own options, such as -platform or -style, are accepted too.\n";

// Answers --help and --version before any display is opened, so both work without one.
bool AnsweredWithoutWindow(int argc, char* argv[], int& status) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            status = EXIT_SUCCESS;
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", qPrintable(ProgramVersionLine(QStringLiteral("aircooler"))));
            status = EXIT_SUCCESS;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (int status = 0; AnsweredWithoutWindow(argc, argv, status))
        return status;
    QApplication app(argc, argv);
    // One look on every desktop: the pages are laid out and coloured for this style.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Regional() = TRegionalSettings::FromSystemLocale();
    TQtMessageService messageBoxes;
    // A screenshot tour records the messages it causes (ScreenshotTour.h).
    TRecordingMessages tourMessages;
    TfKylvane fKylvane(ScreenshotsAsked() ? static_cast<TMessageService&>(tourMessages)
                                          : messageBoxes,
                       &TSettingsRoots::ForProgram);
    // Registered before the start-up, which already clears the selection page.
    auto selection = std::make_unique<TSelectionPageLogic>(fKylvane);
    fKylvane.SetPageInputs(DimensionsPageIndex,
                           std::make_unique<TDimensionsPageLogic>(fKylvane, selection->View));
    fKylvane.SetSelectionPageHooks(std::move(selection));
    fKylvane.SetPageInputs(HeatLoadPageIndex, std::make_unique<THeatLoadPageLogic>(fKylvane));
    const TQtServiceView serviceEntry(fKylvane);
    fKylvane.FormCreate();
    TStartupProbe::InstallIfAsked(fKylvane);
    TakeScreenshotsIfAsked(fKylvane, tourMessages);
    fKylvane.show();
    // A failed start-up has told the user why; the window never appeared.
    if (fKylvane.MustCloseFLG)
        return EXIT_FAILURE;
    return app.exec();
}
