#pragma once

#include <QStringList>
#include <QTextStream>

// aircooler-cli report: the selection of `select`, then the print setup filled in from the
// arguments and the report written to the file --out names. Needs a GUI application object
// (for fonts and the logo), never a window. Exit codes as select; 1 also when the file cannot
// be written.
int RunReportCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                     QTextStream& Err);
