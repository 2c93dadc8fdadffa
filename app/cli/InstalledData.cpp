#include "app/cli/InstalledData.h"

#include <QCoreApplication>
#include <QDir>

QString InstalledIniFilePath() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/aircooler/IniFiles")) +
           QLatin1Char('/');
}
