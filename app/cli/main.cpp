#include "app/cli/ConvertCommand.h"
#include "app/cli/DemoCommand.h"
#include "app/cli/HeatLoadArguments.h"
#include "app/cli/HeatLoadCommand.h"
#include "app/cli/ReportArguments.h"
#include "app/cli/ReportCommand.h"
#include "app/cli/SelectArguments.h"
#include "app/cli/SelectCommand.h"
#include "core/RegionalSettings.h"
#include "settings/VersUnit.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

QString Usage() {
    return QStringLiteral("Usage: aircooler-cli COMMAND [ARGUMENTS]\n"
                          "\n"
                          "Commands:\n"
                          "  convert   convert a value between the program's units\n"
                          "  select    size a cooler as the selection page does\n"
                          "  heatload  the cooling required by a measured temperature rise\n"
                          "  report    size a cooler and write its selection report\n"
                          "  demo      size one cooler of each series on the shipped catalogue\n"
                          "\n"
                          "aircooler-cli COMMAND --help explains a command;\n"
                          "aircooler-cli --version prints the version and the edition.\n\n") +
           ConvertUsage();
}

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
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    const bool wantsHelp = arguments.contains("--help") || arguments.contains("-h");

    if (command == "convert")
        return wantsHelp ? (out << ConvertUsage(), 0) : RunConvertCommand(arguments, out, err);
    if (command == "select")
        return wantsHelp ? (out << SelectUsage(), 0)
                         : RunSelectCommand(arguments, InstalledIniFilePath(), out, err);
    if (command == "heatload")
        return wantsHelp ? (out << HeatLoadUsage(), 0) : RunHeatLoadCommand(arguments, out, err);
    if (command == "report")
        return wantsHelp ? (out << ReportUsage(), 0)
                         : RunReportCommand(arguments, InstalledIniFilePath(), out, err);
    if (command == "demo")
        return RunDemoCommand(InstalledIniFilePath(), out);
    if (command == "--help" || command == "-h" || command == "help") {
        out << Usage();
        return 0;
    }
    if (command == "--version") {
        out << ProgramVersionLine(QStringLiteral("aircooler-cli")) << '\n';
        return 0;
    }
    err << (command.isEmpty() ? QString()
                              : QStringLiteral("Unknown command \"%1\".\n\n").arg(command))
        << Usage();
    return 2;
}
