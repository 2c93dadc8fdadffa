#include "app/cli/ConvertCommand.h"
#include "app/cli/DemoCommand.h"
#include "app/cli/ModelsCommand.h"
#include "app/cli/MotorTableCommand.h"
#include "app/cli/SelectArguments.h"
#include "app/cli/SelectCommand.h"
#include "core/RegionalSettings.h"

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
                          "  models    list a series' models with their data and drawings\n"
                          "  motor-table  the hydraulic-motor variants, as text, JSON or PDF\n"
                          "  demo      size one cooler of each series on the shipped catalogue\n"
                          "\n"
                          "aircooler-cli COMMAND --help explains a command.\n\n") +
           ConvertUsage();
}

// The data installed beside the program, as the window reads it.
QString InstalledIniFilePath() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/aircooler/IniFiles")) +
           QLatin1Char('/');
}

// Commands that draw pages need fonts and a paint engine, which the Gui platform brings; it
// runs offscreen. Every other command starts without it.
std::unique_ptr<QCoreApplication> NewApplication(int& argc, char* argv[]) {
    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (argc > 1 && qstrcmp(argv[1], "motor-table") == 0 && MotorTableDrawsPages(arguments)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    QStringList arguments = application->arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    const bool wantsHelp = arguments.contains("--help") || arguments.contains("-h");

    if (command == "convert")
        return wantsHelp ? (out << ConvertUsage(), 0) : RunConvertCommand(arguments, out, err);
    if (command == "select")
        return wantsHelp ? (out << SelectUsage(), 0)
                         : RunSelectCommand(arguments, InstalledIniFilePath(), out, err);
    if (command == "models")
        return wantsHelp ? (out << ModelsUsage(), 0)
                         : RunModelsCommand(arguments, InstalledIniFilePath(), out, err);
    if (command == "motor-table")
        return wantsHelp ? (out << MotorTableUsage(), 0)
                         : RunMotorTableCommand(arguments, InstalledIniFilePath(), out, err);
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
