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

// The size of the diagram as a picture of its own and in the report.
inline const QSize DiagramPictureSize(900, 560);
// The report's picture is laid out for 600 pixels, 6.25 inches at 96 per inch, so that its texts
// print near their own size, and drawn one and a half times as fine, so that it prints sharp.
inline constexpr qreal ReportDiagramScale = 1.5;

// The diagram as a picture of `Size` pixels on white, laid out at `Size` / `Scale` and drawn
// `Scale` times as large.
QImage RenderSelectionDiagram(const TSelectionDiagram& Diagram, const QSize& Size, qreal Scale = 1);
