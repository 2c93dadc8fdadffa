#include "app/cli/CommandLine.h"
#include "core/RegionalSettings.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace {

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
    return RunCommandLine(application.arguments().mid(1), InstalledIniFilePath(), out, err);
}
