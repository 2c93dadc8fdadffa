#include "app/cli/DemoCommand.h"

#include "app/cli/ExitStatus.h"
#include "app/cli/SelectCommand.h"

#include <algorithm>

namespace {

// One operating point per series, as an engineer would type them.
const QList<QStringList> OperatingPoints{
    {"--series", "VAM", "--oil", "ISO VG 46", "--flow", "100", "--max-oil-temp", "60", "--air-temp",
     "30", "--altitude", "0", "--heat", "20"},
    {"--series", "VDM", "--oil", "ISO VG 32", "--flow", "40", "--max-oil-temp", "55", "--air-temp",
     "25", "--altitude", "300", "--heat", "3,5"},
    {"--series",        "VHM",    "--oil",           "ISO VG 68", "--flow",          "40",
     "--flow-unit",     "US gpm", "--max-oil-temp",  "160",       "--oil-temp-unit", "°F",
     "--air-temp",      "95",     "--air-temp-unit", "°F",        "--altitude",      "1500",
     "--altitude-unit", "ft",     "--heat",          "150000",    "--heat-unit",     "Btu/hr"},
    // A cooling system runs at the flow of its own pump, which the program fills in.
    {"--series", "VCS", "--oil", "ISO VG 46", "--max-oil-temp", "65", "--air-temp", "35",
     "--altitude", "0", "--heat", "30"},
};

QString CommandLine(const QStringList& arguments) {
    QStringList quoted;
    for (const QString& argument : arguments)
        quoted.append(argument.contains(QLatin1Char(' '))
                          ? QLatin1Char('"') + argument + QLatin1Char('"')
                          : argument);
    return QStringLiteral("aircooler-cli select ") + quoted.join(QLatin1Char(' '));
}

} // namespace

QString DemoUsage() {
    const QString usage = QStringLiteral(
        "Usage: aircooler-cli demo\n"
        "\n"
        "Sizes one cooler of each series on the shipped catalogue and shows the\n"
        "\"aircooler-cli select\" command line of each. It takes no arguments; its status is\n"
        "the worst of the four.\n"
        "\n");
    return usage + ExitStatusHelp();
}

int RunDemoCommand(const QString& IniFilePath, QTextStream& out) {
    out << "Air Oil Cooler Software: the selection page without a window\n\n";
    int worst = 0;
    for (const QStringList& arguments : OperatingPoints) {
        out << "$ " << CommandLine(arguments) << "\n";
        // Messages in line with the results they belong to.
        worst = std::max(worst, RunSelectCommand(arguments, IniFilePath, out, out));
        out << '\n';
    }
    out << "\"aircooler-cli select --help\" explains how to size your own cooler.\n";
    return worst;
}
