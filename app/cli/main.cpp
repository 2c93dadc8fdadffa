#include "app/cli/CommandLine.h"
#include "app/cli/InstalledData.h"
#include "app/cli/MotorTableCommand.h"
#include "app/cli/QtErrors.h"
#include "core/RegionalSettings.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace {

// Commands that draw pages need fonts and a paint engine, which the Gui
// platform brings; it runs offscreen, so no display is needed. Every other command starts
// without it.
std::unique_ptr<QCoreApplication> NewApplication(int& argc, char* argv[]) {
    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (argc > 1 && qstrcmp(argv[1], "motor-table") == 0 && MotorTableDrawsPages(arguments)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(&ShowOnlyQtErrors);
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
