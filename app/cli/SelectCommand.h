#pragma once

#include <QStringList>
#include <QTextStream>

// aircooler-cli select: sizes a cooler through the selection page's logic behind a headless
// page, reading the catalogue from `IniFilePath` (ending in a separator). Returns the exit
// code: 0 with a result, 1 without one, 2 for unreadable arguments.
int RunSelectCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                     QTextStream& Err);
