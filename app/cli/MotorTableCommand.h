#pragma once

#include <QStringList>
#include <QTextStream>

// aircooler-cli motor-table: the hydraulic-motor data window's grid read from `IniFilePath`
// (ending in a separator), as aligned text columns, as JSON, or printed into a PDF file through
// the printer's page layout. Returns the exit code: 0 done, 1 when the PDF file cannot be
// written, 2 for unreadable arguments.
int RunMotorTableCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                         QTextStream& Err);

// Whether the arguments ask for pages to be drawn, which needs the Gui platform.
bool MotorTableDrawsPages(const QStringList& Arguments);

QString MotorTableUsage();
