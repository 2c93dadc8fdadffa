#include "report/Logo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
const QColor LogoBlue(0x1f, 0x5f, 0x8b);
}

void PaintFanBlades(QPainter& p, QPointF Centre, qreal Radius, int Blades, const QColor& Colour) {
    p.save();
    p.translate(Centre);
    p.setPen(Qt::NoPen);
    p.setBrush(Colour);
    for (int i = 0; i < Blades; ++i) {
        QPainterPath blade;
        blade.moveTo(0, 0);
        blade.cubicTo(Radius * 0.15, -Radius * 0.55, Radius * 0.75, -Radius * 0.75, Radius * 0.95,
                      -Radius * 0.2);
        blade.cubicTo(Radius * 0.6, -Radius * 0.15, Radius * 0.3, -Radius * 0.05, 0, 0);
        p.drawPath(blade);
        p.rotate(360.0 / Blades);
    }
    p.restore();
}

void PaintLogo(QPainter& p, const QRectF& r) {
    // The mark is a square of the full height; the name fills the width beside it.
    const qreal side = std::min(r.height(), r.width() / 3.6);
    const QRectF mark(r.left(), r.center().y() - side / 2, side, side);
    p.setPen(Qt::NoPen);
    p.setBrush(LogoBlue);
    p.drawEllipse(mark.adjusted(1, 1, -1, -1));
    PaintFanBlades(p, mark.center(), side * 0.4, 3, Qt::white);
    p.setBrush(LogoBlue);
    p.drawEllipse(mark.center(), side * 0.07, side * 0.07);

    const QString name = QStringLiteral("BRENVIK");
    const QRectF nameArea(mark.right() + side * 0.22, r.top(),
                          r.right() - mark.right() - side * 0.22, r.height());
    // The regular weight the pages already use: another weight costs the start a font load.
    QFont font;
    font.setLetterSpacing(QFont::PercentageSpacing, 108);
    // As large as the mark allows, but never wider than the room beside it; the width of a
    // text grows in proportion to the font size.
    const int tall = std::max(6, int(side * 0.62));
    font.setPixelSize(tall);
    const qreal advance = QFontMetricsF(font).horizontalAdvance(name);
    if (advance > nameArea.width())
        font.setPixelSize(std::max(6, int(tall * nameArea.width() / advance)));
    p.setFont(font);
    p.setPen(LogoBlue.darker(125));
    p.drawText(nameArea, Qt::AlignLeft | Qt::AlignVCenter, name);
}

QImage ReportLogo() {
    QImage logo(107, 41, QImage::Format_RGB888);
    logo.fill(Qt::white);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    PaintLogo(p, QRectF(logo.rect()));
    return logo;
}
