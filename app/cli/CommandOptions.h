#pragma once

#include "core/CoolerTypes.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// What the commands of aircooler-cli share in reading their arguments.

// Splits "--name=value" and "--name value" into name/value pairs; "--json" takes no value and
// sets Json. The value is the next argument whatever it looks like, so "--air-temp -10" reads
// -10. False with Error set for an unknown name, a missing value or a name given twice.
bool CollectOptions(const QStringList& Arguments, const QStringList& ValueOptions,
                    QMap<QString, QString>& Values, bool& Json, QString& Error);

// A language by its table name, in any letter case ("spanish").
std::optional<TLanguageType> LanguageNamed(const QString& Name);
QStringList LanguageNames();

// "a", "b", "c" for a list of items in a message.
QString Quoted(const QStringList& Items);
