#pragma once

#include <QStringList>
#include <QTextStream>

// aircooler-cli diagram: the selection page's diagram after "Calculate New Cooler" for the
// arguments of select, written as a picture (--out FILE.svg or FILE.png) and printed as JSON
// (--json). --model picks that candidate as the user would in the grid. The catalogue is read
// from `IniFilePath` (ending in a separator). Charts need a QApplication; the offscreen platform
// will do. Returns the exit code: 0 with a diagram, 1 without one, 2 for unreadable arguments.
int RunDiagramCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                      QTextStream& Err);

QString DiagramUsage();
