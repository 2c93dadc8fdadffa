#pragma once

#include "pages/selection/SelectionDiagram.h"

#include <QImage>
#include <QSize>

class QChart;
class QPainter;
class QRectF;

// The selection diagram as a chart: a line per candidate (a point for a cooling system), the
// chosen model drawn bold, the operating point as a black diamond, its values in the title. Flows
// are in the page's flow unit, the specific dissipation in the unit the results give it in.
QChart* NewSelectionDiagramChart(const TSelectionDiagram& Diagram);

// Draws the diagram into `Target` of a painter of any device (a picture for the report, an SVG
// file), as the window shows it. Needs a QApplication, as every chart does.
void PaintSelectionDiagram(const TSelectionDiagram& Diagram, QPainter& Painter,
                           const QRectF& Target);

// The diagram as a picture of `Size` pixels on white.
QImage RenderSelectionDiagram(const TSelectionDiagram& Diagram, const QSize& Size);
