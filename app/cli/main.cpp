#include "app/cli/ConvertCommand.h"
#include "app/cli/DemoCommand.h"
#include "app/cli/HeatLoadArguments.h"
#include "app/cli/HeatLoadCommand.h"
#include "app/cli/SelectArguments.h"
#include "app/cli/SelectCommand.h"
#include "core/RegionalSettings.h"
#include "settings/VersUnit.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace {

QString Usage() {
    return QStringLiteral("Usage: aircooler-cli COMMAND [ARGUMENTS]\n"
                          "\n"
                          "Commands:\n"
                          "  convert   convert a value between the program's units\n"
                          "  select    size a cooler as the selection page does\n"
                          "  heatload  the cooling required by a measured temperature rise\n"
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

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    Regional() = TRegionalSettings::FromSystemLocale();

    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = application.arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    const bool wantsHelp = arguments.contains("--help") || arguments.contains("-h");

    if (command == "convert")
        return wantsHelp ? (out << ConvertUsage(), 0) : RunConvertCommand(arguments, out, err);
    if (command == "select")
        return wantsHelp ? (out << SelectUsage(), 0)
                         : RunSelectCommand(arguments, InstalledIniFilePath(), out, err);
    if (command == "heatload")
        return wantsHelp ? (out << HeatLoadUsage(), 0) : RunHeatLoadCommand(arguments, out, err);
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
