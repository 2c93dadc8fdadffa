#include "app/cli/CommandLine.h"
#include "core/RegionalSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// The data installed beside the program, as the window reads it.
QString InstalledIniFilePath() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/aircooler/IniFiles")) +
           QLatin1Char('/');
}

// The report command's own messages are its whole word on the standard error; what Qt says
// while it draws (a missing runtime folder, say) is noise there, unless it is an error.
void OnlyQtErrors(QtMsgType Type, const QMessageLogContext&, const QString& Message) {
    if (Type == QtCriticalMsg || Type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(Message));
}

} // namespace

int main(int argc, char* argv[]) {
    // The report draws its logo and lays out its document, which takes fonts and so a GUI
    // application; it never shows a window, so it needs no display either.
    std::unique_ptr<QCoreApplication> application;
    if (argc > 1 && qstrcmp(argv[1], "report") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(&OnlyQtErrors);
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    Regional() = TRegionalSettings::FromSystemLocale();

    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCommandLine(QCoreApplication::arguments().mid(1), InstalledIniFilePath(), out, err);
}
