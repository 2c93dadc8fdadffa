#pragma once

#include <QString>
#include <QStringList>

// The operating point the command-line tests size, as the options of select: 100 l/min of
// ISO VG 46 at most 60 degC, air 30 degC, sea level, 20 kW.
inline const QStringList VamPoint{
    "--series", "VAM",        "--oil", "ISO VG 46",  "--flow", "100",    "--max-oil-temp",
    "60",       "--air-temp", "30",    "--altitude", "0",      "--heat", "20"};

// The arguments with an option's value replaced, or the option added.
inline QStringList With(QStringList arguments, const QString& option, const QString& value) {
    const qsizetype at = arguments.indexOf(option);
    if (at >= 0)
        arguments[at + 1] = value;
    else
        arguments << option << value;
    return arguments;
}
