#pragma once

#include "core/CoolerTypes.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// The options of a command: "--name value" or "--name=value" for each of `ValueOptions`, and
// the bare switches of `Flags`. A value is the next argument whatever it looks like
// ("--air-temp -10"). An unknown argument, a missing value or an option given twice is an
// error, which `Error` words.
struct TCommandOptions {
    QMap<QString, QString> Values;
    QStringList FlagsGiven;
};

bool CollectOptions(const QStringList& Arguments, const QStringList& ValueOptions,
                    const QStringList& Flags, TCommandOptions& Options, QString& Error);

// A user-interface language by its name ("ENGLISH"), letter case ignored, and every name.
std::optional<TLanguageType> LanguageNamed(const QString& name);
QStringList LanguageNames();
