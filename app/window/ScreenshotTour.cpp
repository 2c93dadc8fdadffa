#include "app/window/ScreenshotTour.h"

#include "ui/AboutBox.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

// Long enough for the window manager to have placed and painted the window.
constexpr int SettleMilliseconds = 400;

void SavePages(TfKylvane& Window, const QString& Directory) {
    QDir().mkpath(Directory);
    bool saved = true;
    for (int page = 0; page < PageCount; ++page) {
        Window.PageControl1->setCurrentIndex(page);
        QApplication::processEvents();
        const QString file = QDir(Directory).filePath(QStringLiteral("page-%1.png").arg(page));
        saved = Window.grab().save(file) && saved;
    }
    Window.PageControl1->setCurrentIndex(StartPageIndex);
    TAboutBox& about = Window.AboutBox();
    about.PrepareToShow(*Window.TheLanguage);
    about.show();
    QApplication::processEvents();
    saved = about.grab().save(QDir(Directory).filePath(QStringLiteral("about.png"))) && saved;
    about.hide();
    if (!saved)
        std::fprintf(stderr, "Could not save the screenshots in %s\n", qPrintable(Directory));
    QCoreApplication::exit(saved ? 0 : 1);
}

} // namespace

void TakeScreenshotsIfAsked(TfKylvane& Window) {
    const QString directory = qEnvironmentVariable("AIRCOOLER_SCREENSHOT_DIR");
    if (directory.isEmpty())
        return;
    QTimer::singleShot(SettleMilliseconds, &Window,
                       [&Window, directory] { SavePages(Window, directory); });
}
