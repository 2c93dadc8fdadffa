#include "tools/datasheets/SheetPainter.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <cmath>

TSheetPainter::TSheetPainter(QPainter& Painter, double DotsPerInch)
    : Painter(Painter), DotsPerMm(DotsPerInch / 25.4) {}

QPointF TSheetPainter::At(double X, double Y) const {
    return {X * DotsPerMm, Y * DotsPerMm};
}

double TSheetPainter::Mm(double Length) const {
    return Length * DotsPerMm;
}

void TSheetPainter::SetPen(double WidthMm, Qt::PenStyle Style) {
    QPen pen(Qt::black, Mm(WidthMm), Style, Qt::FlatCap, Qt::MiterJoin);
    Painter.setPen(pen);
    Painter.setBrush(Qt::NoBrush);
}

void TSheetPainter::Line(double X1, double Y1, double X2, double Y2) {
    Painter.drawLine(At(X1, Y1), At(X2, Y2));
}

void TSheetPainter::Rect(double X, double Y, double Width, double Height) {
    Painter.drawRect(QRectF(At(X, Y), At(X + Width, Y + Height)));
}

void TSheetPainter::Circle(double CentreX, double CentreY, double Diameter) {
    Painter.drawEllipse(At(CentreX, CentreY), Mm(Diameter / 2), Mm(Diameter / 2));
}

QFont TSheetPainter::Font(double PointSize, bool Bold) const {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(PointSize);
    font.setBold(Bold);
    return font;
}

void TSheetPainter::Text(double X, double Y, const QString& Text, double PointSize, bool Bold) {
    Painter.setFont(Font(PointSize, Bold));
    Painter.drawText(At(X, Y), Text);
}

void TSheetPainter::CentredText(double X, double Y, const QString& Text, double PointSize,
                                bool Bold) {
    const QFont font = Font(PointSize, Bold);
    Painter.setFont(font);
    const double width = QFontMetricsF(font, Painter.device()).horizontalAdvance(Text);
    Painter.drawText(At(X, Y) - QPointF(width / 2, 0), Text);
}

int TSheetPainter::WrappedText(double X, double Y, const QString& Text, double PointSize,
                               double Width, double LineHeight) {
    const QFont font = Font(PointSize, false);
    const QFontMetricsF metrics(font, Painter.device());
    QStringList lines;
    for (const QString& word : Text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = lines.isEmpty() ? word : lines.last() + QLatin1Char(' ') + word;
        if (!lines.isEmpty() && metrics.horizontalAdvance(longer) <= Mm(Width))
            lines.last() = longer;
        else
            lines.append(word);
    }
    for (qsizetype line = 0; line < lines.size(); ++line)
        this->Text(X, Y + line * LineHeight, lines[line], PointSize);
    return static_cast<int>(lines.size());
}

void TSheetPainter::Arrow(double TipX, double TipY, double DirectionX, double DirectionY) {
    // A filled arrowhead 2.5 mm long pointing along the direction.
    const double length = 2.5;
    const double half = 0.6;
    QPainterPath head;
    head.moveTo(At(TipX, TipY));
    head.lineTo(At(TipX - DirectionX * length - DirectionY * half,
                   TipY - DirectionY * length + DirectionX * half));
    head.lineTo(At(TipX - DirectionX * length + DirectionY * half,
                   TipY - DirectionY * length - DirectionX * half));
    head.closeSubpath();
    Painter.fillPath(head, Qt::black);
}

void TSheetPainter::HorizontalDimension(double X1, double X2, double EdgeY, double Offset,
                                        const QString& Figure) {
    const double y = EdgeY + Offset;
    const double gap = Offset > 0 ? 1.0 : -1.0;
    SetPen(0.18);
    Line(X1, EdgeY + gap, X1, y + gap);
    Line(X2, EdgeY + gap, X2, y + gap);
    Line(X1, y, X2, y);
    Arrow(X1, y, -1, 0);
    Arrow(X2, y, 1, 0);
    CentredText((X1 + X2) / 2, y - 1.0, Figure, 7);
}

void TSheetPainter::VerticalDimension(double Y1, double Y2, double EdgeX, double Offset,
                                      const QString& Figure) {
    const double x = EdgeX + Offset;
    const double gap = Offset > 0 ? 1.0 : -1.0;
    SetPen(0.18);
    Line(EdgeX + gap, Y1, x + gap, Y1);
    Line(EdgeX + gap, Y2, x + gap, Y2);
    Line(x, Y1, x, Y2);
    Arrow(x, Y1, 0, -1);
    Arrow(x, Y2, 0, 1);
    // The figure reads from below, along the dimension line.
    Painter.save();
    Painter.translate(At(x - 1.0, (Y1 + Y2) / 2));
    Painter.rotate(-90);
    const QFont font = Font(7, false);
    Painter.setFont(font);
    const double width = QFontMetricsF(font, Painter.device()).horizontalAdvance(Figure);
    Painter.drawText(QPointF(-width / 2, 0), Figure);
    Painter.restore();
}
