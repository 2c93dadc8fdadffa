#pragma once

#include <QStringList>
#include <QTextStream>

// aircooler-cli heatload: the required cooling of a measured temperature rise through the
// heat-load page's logic behind a headless page. Returns the exit code: 0 with a result, 1 for
// a value out of range, 2 for unreadable arguments.
int RunHeatLoadCommand(const QStringList& Arguments, QTextStream& Out, QTextStream& Err);
