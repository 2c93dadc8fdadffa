#include "settings/SettingsRoots.h"

#include "settings/ProgramRegKey.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace {

// "\Software\Brenvik\Brenvik Cooler US" becomes "Brenvik/Brenvik Cooler US.ini", the place
// the platform's convention gives an organisation's application settings.
QString UserFileName(const QString& programRegKey) {
    QStringList parts = programRegKey.split(u'\\', Qt::SkipEmptyParts);
    if (parts.size() > 1 && parts.first().compare(u"Software", Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    return parts.join(u'/') + QLatin1StringView(".ini");
}
} // namespace

TSettingsRoots TSettingsRoots::ForProgram(const QString& programDir, TEdition edition) {
    const QString configDir =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString machineFile = edition == TEdition::US ? QStringLiteral("MachineSettings-US.ini")
                                                        : QStringLiteral("MachineSettings-EU.ini");
    // Without a home there is no per-user copy; an empty name makes the store fail cleanly
    // rather than write into the working directory.
    const QString userFile = configDir.isEmpty()
                                 ? QString()
                                 : QDir(configDir).filePath(UserFileName(ProgramRegKey(edition)));
    return {userFile,
            QDir::cleanPath(programDir + QLatin1StringView("/../share/aircooler/") + machineFile),
            edition};
}
