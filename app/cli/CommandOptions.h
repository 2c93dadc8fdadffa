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

// The same for commands whose only switch is "--json", which sets Json.
bool CollectOptions(const QStringList& Arguments, const QStringList& ValueOptions,
                    QMap<QString, QString>& Values, bool& Json, QString& Error);

// A user-interface language that has its texts, by its name ("ENGLISH"), letter case ignored,
// and the names of all such languages.
std::optional<TLanguageType> LanguageNamed(const QString& name);
QStringList LanguageNames();

// The language of "--language" among `Values`, when given; false with Error set for a name that
// is no language.
bool ReadLanguageOption(const QMap<QString, QString>& Values, TLanguageType& Language,
                        QString& Error);

// "a", "b", "c" for a list of items in a message.
QString Quoted(const QStringList& Items);

// The message a typed value gets when it does not read as the pages read their entries, named
// by the option that gave it ("--flow: 12;5 ?") rather than by the caption of a page the user
// does not see; empty when it reads. A number that reads two ways is worded with
// `ThousandsReadings` ("Write %1 or %2").
QString UnreadValueMessage(const QString& Typed, const QString& Option,
                           const QString& ThousandsReadings = QString());
