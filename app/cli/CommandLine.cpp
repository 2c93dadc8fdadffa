#include "app/cli/CommandLine.h"

#include "app/cli/BatchCommand.h"
#include "app/cli/ConvertCommand.h"
#include "app/cli/DemoCommand.h"
#include "app/cli/DrawingProgram.h"
#include "app/cli/HeatLoadArguments.h"
#include "app/cli/HeatLoadCommand.h"
#include "app/cli/ModelsCommand.h"
#include "app/cli/MotorTableCommand.h"
#include "app/cli/SelectArguments.h"
#include "app/cli/SelectCommand.h"
#include "core/VisibleText.h"
#include "settings/VersUnit.h"

#include <QCoreApplication>

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
                          "  heatload  the cooling required by a measured temperature rise\n"
                          "  report    size a cooler and write its selection report\n"
                          "  models    list a series' models with their data and drawings\n"
                          "  motor-table  the hydraulic-motor variants, as text, JSON or PDF\n"
                          "  demo      size one cooler of each series on the shipped catalogue\n"
                          "\n"
                          "aircooler-cli COMMAND --help explains a command;\n"
                          "aircooler-cli --version prints the version and the edition.\n\n") +
           ConvertUsage();
}

} // namespace

TRegionalSettings CommandLineRegional(TRegionalSettings System) {
    System.GroupSeparator = QLatin1Char(',');
    return System;
}

bool HelpAsked(const QStringList& Options) {
    for (qsizetype i = 0; i < Options.size(); ++i) {
        if (IsHelpOption(Options[i]))
            return true;
        if (Options[i] != QStringLiteral("--json") && !Options[i].contains(QLatin1Char('=')))
            ++i;
    }
    return false;
}

bool IsHelpOption(const QString& Argument) {
    return Argument == QStringLiteral("--help") || Argument == QStringLiteral("-h");
}

int RunCommandLine(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                   QTextStream& Err) {
    const TScopedRegionalSettings commandLine(CommandLineRegional(Regional()));
    // The arguments are used as given (a reference or a file name may hold any character);
    // only what a message quotes back is escaped, with EchoedValue.
    const QString command = Arguments.value(0);
    const QStringList rest = Arguments.mid(1);
    if (command == QStringLiteral("convert"))
        return RunConvertCommand(rest, Out, Err);
    if (command == QStringLiteral("select") && HelpAsked(rest))
        return (Out << SelectUsage() << BatchUsage(), 0);
    if (command == QStringLiteral("select") && IsBatchRequest(rest))
        return RunBatchCommand(rest, IniFilePath, Err, isatty(STDERR_FILENO) == 1);
    if (command == QStringLiteral("select"))
        return RunSelectCommand(rest, IniFilePath, Out, Err);
    // The diagram and the report's picture of it are drawn with the charts, in a program of its
    // own, which this process becomes, so that no other command loads them.
    if (command == QStringLiteral("diagram"))
        return RunDrawingProgram(Arguments, Err);
    if (command == QStringLiteral("heatload"))
        return HelpAsked(rest) ? (Out << HeatLoadUsage(), 0) : RunHeatLoadCommand(rest, Out, Err);
    if (command == QStringLiteral("models"))
        return HelpAsked(rest) ? (Out << ModelsUsage(), 0)
                               : RunModelsCommand(rest, IniFilePath, Out, Err);
    if (command == QStringLiteral("motor-table") && HelpAsked(rest))
        return (Out << MotorTableUsage(), 0);
    if (command == QStringLiteral("motor-table") && !MotorTableDrawsPages(rest))
        return RunMotorTableCommand(rest, IniFilePath, Out, Err);
    // The pages of the motor table and the report are drawn by the drawing program too.
    if (command == QStringLiteral("motor-table") || command == QStringLiteral("report"))
        return RunDrawingProgram(Arguments, Err);
    if (command == QStringLiteral("demo")) {
        if (rest.isEmpty())
            return RunDemoCommand(IniFilePath, Out);
        if (rest.size() == 1 && IsHelpOption(rest.first())) {
            Out << DemoUsage();
            return 0;
        }
        Err << QStringLiteral("Unknown argument \"%1\".\n\n").arg(EchoedValue(rest.first()))
            << DemoUsage();
        return 2;
    }
    if (IsHelpOption(command) || command == QStringLiteral("help")) {
        Out << Usage();
        return 0;
    }
    if (command == QStringLiteral("--version")) {
        Out << ProgramVersionLine(QStringLiteral("aircooler-cli")) << '\n';
        return 0;
    }
    Err << (command.isEmpty()
                ? QString()
                : QStringLiteral("Unknown command \"%1\".\n\n").arg(EchoedValue(command)))
        << Usage();
    return 2;
}
