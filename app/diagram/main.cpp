#include "app/cli/DiagramCommand.h"
#include "app/cli/InstalledData.h"
#include "core/RegionalSettings.h"

#include <QApplication>

// aircooler-cli diagram runs as this program, which alone of the command-line tool's commands
// draws: it starts the offscreen platform, so it needs no display.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Regional() = TRegionalSettings::FromSystemLocale();

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.contains("--help") || arguments.contains("-h")) {
        out << DiagramUsage();
        return 0;
    }
    return RunDiagramCommand(arguments, InstalledIniFilePath(), out, err);
}
