#include "app/cli/InstalledData.h"

#include <QCoreApplication>
#include <QDir>

QString InstalledIniFilePath(const QString& ToPrefix) {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + ToPrefix +
                           QStringLiteral("/share/aircooler/IniFiles")) +
           QLatin1Char('/');
}
