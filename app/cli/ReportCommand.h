#pragma once

#include "pages/selection/SelectionDiagram.h"

#include <QImage>
#include <QStringList>
#include <QTextStream>

#include <functional>

// aircooler-cli report: the selection of `select`, then the print setup filled in from the
// arguments and the report written to the file --out names, with the selection diagram as
// `DrawDiagram` draws it when the page shows one. Needs a GUI application object (for fonts and
// the logo), never a window. Exit codes as select; 1 also when the file cannot be written.
using TDiagramDrawing = std::function<QImage(const TSelectionDiagram&)>;
int RunReportCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                     QTextStream& Err, const TDiagramDrawing& DrawDiagram);
