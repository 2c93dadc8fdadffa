#pragma once

#include "FuzzCheck.h"

#include "core/CoolerTypes.h"
#include "engine/VerDep.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// The folder the data-file targets put their input in, ending in a separator, as the catalogue
// readers want it; one for the whole run.
inline const QString& FuzzDataDir() {
    static const QTemporaryDir dir;
    static const QString path = dir.path() + QLatin1Char('/');
    return path;
}

// The input as the oil data file and as every series' catalogue file at once: their sections
// have different names, so one file can hold both.
inline void WriteAsEveryDataFile(const uint8_t* data, std::size_t size) {
    QStringList names{QStringLiteral("IsoOils.ini")};
    for (const TCoolerType series : {AC_Cooler, DC_Cooler, Cooler_System, VCS_Cooler})
        names.append(TVerDep().ChangeToCoolerIniFilename(series));
    for (const QString& name : names) {
        QFile file(FuzzDataDir() + name);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the data file is written");
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
}
