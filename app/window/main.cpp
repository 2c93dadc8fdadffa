#include "app/window/ScreenshotTour.h"
#include "app/window/StartupProbe.h"
#include "core/RegionalSettings.h"
#include "ui/DimensionsPageLogic.h"
#include "ui/MainWindow.h"
#include "ui/QtMessageService.h"
#include "ui/SelectionPageLogic.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdlib>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // One look on every desktop: the pages are laid out and coloured for this style.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Regional() = TRegionalSettings::FromSystemLocale();
    TQtMessageService messageBoxes;
    SetMessageService(&messageBoxes);

    TfKylvane fKylvane;
    // Registered before the start-up, which already clears the selection page.
    auto selection = std::make_unique<TSelectionPageLogic>(fKylvane);
    fKylvane.SetPageInputs(DimensionsPageIndex,
                           std::make_unique<TDimensionsPageLogic>(fKylvane, selection->View));
    fKylvane.SetSelectionPageHooks(std::move(selection));
    fKylvane.FormCreate();
    TStartupProbe::InstallIfAsked(fKylvane);
    TakeScreenshotsIfAsked(fKylvane);
    fKylvane.show();
    // A failed start-up has told the user why; the window never appeared.
    if (fKylvane.MustCloseFLG)
        return EXIT_FAILURE;
    return app.exec();
}
