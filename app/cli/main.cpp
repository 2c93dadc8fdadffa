#include "app/cli/CommandLine.h"
#include "app/cli/MotorTableCommand.h"
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

// The drawing commands' own messages are their whole word on the standard error; what Qt says
// while it draws (a missing runtime folder, say) is noise there, unless it is an error.
void OnlyQtErrors(QtMsgType Type, const QMessageLogContext&, const QString& Message) {
    if (Type == QtCriticalMsg || Type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(Message));
}

// Commands that lay out documents or draw pages need fonts and a paint engine, which the Gui
// platform brings; it runs offscreen, so no display is needed. Every other command starts
// without it.
std::unique_ptr<QCoreApplication> NewApplication(int& argc, char* argv[]) {
    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const bool report = argc > 1 && qstrcmp(argv[1], "report") == 0;
    const bool motorPages =
        argc > 1 && qstrcmp(argv[1], "motor-table") == 0 && MotorTableDrawsPages(arguments);
    if (report || motorPages) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(&OnlyQtErrors);
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> application = NewApplication(argc, argv);
    Regional() = TRegionalSettings::FromSystemLocale();

    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCommandLine(QCoreApplication::arguments().mid(1), InstalledIniFilePath(), out, err);
}
