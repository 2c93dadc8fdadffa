#pragma once

#include <QStringList>
#include <QTextStream>

// aircooler-cli models: the models of a series as the dimensions page lists them, each with
// its catalogue section, its four data lines and its drawing, and the series' ordering key,
// reading the catalogue from `IniFilePath` (ending in a separator). Returns the exit code: 0
// with the list, 1 when a model's data cannot be read, 2 for unreadable arguments.
int RunModelsCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                     QTextStream& Err);

QString ModelsUsage();
