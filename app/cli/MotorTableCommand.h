#pragma once

#include "report/MotorTableLayout.h"

#include <QStringList>
#include <QTextStream>

#include <functional>

// Prints the motor table into a PDF file; false with the reason in the last argument.
using TMotorTablePdfWriter =
    std::function<bool(const QString& FileName, const TMotorTableInput& Input, QString& Error)>;

// aircooler-cli motor-table: the hydraulic-motor data window's grid read from `IniFilePath`
// (ending in a separator), as aligned text columns, as JSON, or printed into a PDF file by
// `WritePdf`, which the drawing program gives (MotorTableDrawsPages). Returns the exit code: 0
// done, 1 when the PDF file cannot be written, 2 for unreadable arguments.
int RunMotorTableCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                         QTextStream& Err, const TMotorTablePdfWriter& WritePdf = {});

// Whether the arguments ask for pages to be drawn, which the drawing program does.
bool MotorTableDrawsPages(const QStringList& Arguments);

QString MotorTableUsage();
