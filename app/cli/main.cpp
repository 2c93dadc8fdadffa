#include "app/cli/BatchCommand.h"
#include "app/cli/ConvertCommand.h"
#include "app/cli/DemoCommand.h"
#include "app/cli/DiagramProgram.h"
#include "app/cli/InstalledData.h"
#include "app/cli/SelectArguments.h"
#include "app/cli/SelectCommand.h"
#include "core/RegionalSettings.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace {

QString Usage() {
    return QStringLiteral("Usage: aircooler-cli COMMAND [ARGUMENTS]\n"
                          "\n"
                          "Commands:\n"
                          "  convert   convert a value between the program's units\n"
                          "  select    size a cooler as the selection page does, or a table of\n"
                          "            operating points (select --batch)\n"
                          "  diagram   the candidates' specific heat dissipation against the oil\n"
                          "            flow, with the operating point, as a picture or JSON\n"
                          "  demo      size one cooler of each series on the shipped catalogue\n"
                          "\n"
                          "aircooler-cli COMMAND --help explains a command.\n\n") +
           ConvertUsage();
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
    if (command == "select" && wantsHelp) {
        out << SelectUsage() << BatchUsage();
        return 0;
    }
    if (command == "select" && IsBatchRequest(arguments))
        return RunBatchCommand(arguments, InstalledIniFilePath(),
                               QCoreApplication::applicationFilePath(), err,
                               isatty(STDERR_FILENO) == 1);
    if (command == "select")
        return RunSelectCommand(arguments, InstalledIniFilePath(), out, err);
    if (command == "diagram")
        return RunDiagramProgram(arguments, err);
    if (command == "demo")
        return RunDemoCommand(InstalledIniFilePath(), out);
    if (command == "--help" || command == "-h" || command == "help") {
        out << Usage();
        return 0;
    }
    err << (command.isEmpty() ? QString()
                              : QStringLiteral("Unknown command \"%1\".\n\n").arg(command))
        << Usage();
    return 2;
}
