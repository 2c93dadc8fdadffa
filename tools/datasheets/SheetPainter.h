#pragma once

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>

// Draws on a PDF page in millimetres from the page's top-left corner, with the usual elements
// of a technical data sheet: lines, dimension lines with arrows and figures, texts in points.
class TSheetPainter {
public:
    TSheetPainter(QPainter& Painter, double DotsPerInch);

    QPointF At(double X, double Y) const; // millimetres to device units
    double Mm(double Length) const;

    void SetPen(double WidthMm, Qt::PenStyle Style = Qt::SolidLine);
    void Line(double X1, double Y1, double X2, double Y2);
    void Rect(double X, double Y, double Width, double Height);
    void Circle(double CentreX, double CentreY, double Diameter);
    // Text with its left end (or its centre) on the baseline at the point.
    void Text(double X, double Y, const QString& Text, double PointSize, bool Bold = false);
    void CentredText(double X, double Y, const QString& Text, double PointSize, bool Bold = false);
    // Text broken into lines of at most `Width` mm, `LineHeight` mm apart; the number of lines.
    int WrappedText(double X, double Y, const QString& Text, double PointSize, double Width,
                    double LineHeight);
    // A dimension between two points of a horizontal or vertical edge, drawn `Offset` mm away
    // (down or right when positive), with extension lines, arrows and the figure.
    void HorizontalDimension(double X1, double X2, double EdgeY, double Offset,
                             const QString& Figure);
    void VerticalDimension(double Y1, double Y2, double EdgeX, double Offset,
                           const QString& Figure);

private:
    void Arrow(double TipX, double TipY, double DirectionX, double DirectionY);
    QFont Font(double PointSize, bool Bold) const;

    QPainter& Painter;
    double DotsPerMm;
};
