#include "app/cli/CommandLine.h"
#include "app/cli/InstalledData.h"
#include "core/RegionalSettings.h"

#include <QCoreApplication>

// The command-line tool runs on Qt Core alone; the commands that draw become the drawing
// program (DrawingProgram.h).
int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    Regional() = TRegionalSettings::FromSystemLocale();

    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCommandLine(QCoreApplication::arguments().mid(1), InstalledIniFilePath(), out, err);
}
