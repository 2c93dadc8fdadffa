#include "ui/Artwork.h"

#include "report/Logo.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// One calm palette for every picture.
const QColor Outline(0x3b, 0x47, 0x52);
const QColor Housing(0xdd, 0xe3, 0xe8);
const QColor Matrix(0xb7, 0xc5, 0xd1);
const QColor Fin(0x93, 0xa4, 0xb3);
const QColor Guard(0x2f, 0x3d, 0x4a);
const QColor GuardRing(0x8d, 0x9f, 0xae);
const QColor Accent(0x1f, 0x5f, 0x8b);
const QColor Pipe(0x55, 0x62, 0x6e);

// A pixmap of Size logical pixels, sharp on high-density screens, cleared and ready to paint.
QPixmap BlankPixmap(QSize Size) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(Size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A fan behind its round guard: dark disc, blades, guard rings and spokes, hub.
void DrawFan(QPainter& p, QPointF Centre, qreal Radius) {
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(Guard);
    p.drawEllipse(Centre, Radius, Radius);
    PaintFanBlades(p, Centre, Radius * 0.92, 5, Fin.darker(140));
    p.setBrush(Qt::NoBrush);
    // Hair-line guard wires: a cosmetic pen is drawn directly, without outlining each stroke.
    QPen wire(GuardRing, 0);
    wire.setCosmetic(true);
    p.setPen(wire);
    for (qreal r = Radius * 0.35; r < Radius; r += Radius * 0.25)
        p.drawEllipse(Centre, r, r);
    for (int i = 0; i < 4; ++i) {
        const qreal a = i * std::numbers::pi / 4;
        const QPointF d(std::cos(a) * Radius, std::sin(a) * Radius);
        p.drawLine(Centre - d, Centre + d);
    }
    p.setPen(QPen(Outline, 1.0));
    p.setBrush(GuardRing);
    p.drawEllipse(Centre, Radius * 0.16, Radius * 0.16);
}

// The finned core: a frame holding closely spaced horizontal fins.
void DrawMatrix(QPainter& p, const QRectF& Area) {
    p.setPen(QPen(Outline, 1.4));
    p.setBrush(Housing);
    p.drawRoundedRect(Area, 3, 3);
    // The fins as stripes of one repeating gradient: a single fill instead of a line per fin.
    // A plain rectangle is filled one span a row, which keeps it on the drawing thread.
    const QRectF core = Area.adjusted(5, 5, -5, -5);
    QLinearGradient fins(0, core.top(), 0, core.top() + 3);
    fins.setSpread(QGradient::RepeatSpread);
    fins.setColorAt(0, Matrix);
    fins.setColorAt(0.6, Matrix);
    fins.setColorAt(0.7, Fin);
    fins.setColorAt(1, Fin);
    p.fillRect(core, fins);
}

void DrawPort(QPainter& p, QPointF At, qreal Length) {
    p.setPen(QPen(Outline, 1.0));
    p.setBrush(Pipe);
    p.drawRect(QRectF(At.x(), At.y() - 3, Length, 6));
    p.drawRect(QRectF(At.x() + (Length > 0 ? Length : 0) - 2, At.y() - 5, 4, 10));
}

void DrawFeet(QPainter& p, const QRectF& Body) {
    p.setPen(QPen(Outline, 1.0));
    p.setBrush(Pipe);
    const qreal w = Body.width() * 0.18;
    p.drawRect(QRectF(Body.left() + 6, Body.bottom(), w, 5));
    p.drawRect(QRectF(Body.right() - 6 - w, Body.bottom(), w, 5));
}

// The motor seen from the front, sitting on the fan hub.
void DrawMotor(QPainter& p, QPointF Centre, qreal Radius, const QColor& Colour) {
    p.setPen(QPen(Outline, 1.0));
    p.setBrush(Colour);
    p.drawEllipse(Centre, Radius, Radius);
    p.setBrush(Colour.lighter(130));
    p.drawEllipse(Centre, Radius * 0.45, Radius * 0.45);
}

void DrawCompactAC(QPainter& p, const QRectF& r) {
    const QRectF body(r.left() + r.width() * 0.18, r.top() + r.height() * 0.1, r.width() * 0.64,
                      r.height() * 0.76);
    DrawPort(p, QPointF(body.left(), body.top() + body.height() * 0.25), -r.width() * 0.08);
    DrawPort(p, QPointF(body.left(), body.bottom() - body.height() * 0.25), -r.width() * 0.08);
    DrawMatrix(p, body);
    const qreal radius = std::min(body.width(), body.height()) * 0.4;
    DrawFan(p, body.center(), radius);
    DrawMotor(p, body.center(), radius * 0.3, Accent);
    DrawFeet(p, body);
}

void DrawLargeAC(QPainter& p, const QRectF& r) {
    const QRectF body(r.left() + r.width() * 0.1, r.top() + r.height() * 0.04, r.width() * 0.8,
                      r.height() * 0.84);
    DrawPort(p, QPointF(body.right(), body.top() + body.height() * 0.2), r.width() * 0.07);
    DrawPort(p, QPointF(body.right(), body.bottom() - body.height() * 0.2), r.width() * 0.07);
    DrawMatrix(p, body);
    const qreal radius = std::min(body.width(), body.height()) * 0.44;
    DrawFan(p, body.center(), radius);
    DrawMotor(p, body.center(), radius * 0.28, Accent);
    // The terminal box on top of the motor.
    p.setBrush(Accent.darker(120));
    p.drawRect(QRectF(body.center().x() - radius * 0.12, body.center().y() - radius * 0.42,
                      radius * 0.24, radius * 0.14));
    DrawFeet(p, body);
}

void DrawTwinDC(QPainter& p, const QRectF& r) {
    const QRectF body(r.left() + r.width() * 0.06, r.top() + r.height() * 0.3, r.width() * 0.88,
                      r.height() * 0.46);
    DrawPort(p, QPointF(body.left(), body.center().y()), -r.width() * 0.05);
    DrawPort(p, QPointF(body.right(), body.center().y()), r.width() * 0.05);
    DrawMatrix(p, body);
    const qreal radius = std::min(body.width() / 4, body.height() / 2) * 0.82;
    for (qreal x : {body.left() + body.width() * 0.27, body.left() + body.width() * 0.73}) {
        DrawFan(p, QPointF(x, body.center().y()), radius);
        DrawMotor(p, QPointF(x, body.center().y()), radius * 0.3, QColor(0x4f, 0x7d, 0x5a));
    }
    DrawFeet(p, body);
}

void DrawHydraulic(QPainter& p, const QRectF& r) {
    const QRectF body(r.left() + r.width() * 0.14, r.top() + r.height() * 0.08, r.width() * 0.66,
                      r.height() * 0.78);
    DrawPort(p, QPointF(body.left(), body.top() + body.height() * 0.22), -r.width() * 0.08);
    DrawPort(p, QPointF(body.left(), body.bottom() - body.height() * 0.22), -r.width() * 0.08);
    DrawMatrix(p, body);
    const qreal radius = std::min(body.width(), body.height()) * 0.4;
    const QPointF hub = body.center();
    DrawFan(p, hub, radius);
    // Two hoses from the hydraulic motor out to the right.
    p.setBrush(Qt::NoBrush);
    for (qreal dy : {-radius * 0.12, radius * 0.12}) {
        QPainterPath hose;
        hose.moveTo(hub + QPointF(radius * 0.2, dy));
        hose.cubicTo(hub + QPointF(radius * 0.9, dy), hub + QPointF(radius * 1.1, dy * 4),
                     QPointF(r.right() - r.width() * 0.05, hub.y() + dy * 5));
        p.setPen(QPen(Outline, 4.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(hose);
        p.setPen(QPen(QColor(0x6b, 0x78, 0x84), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(hose);
    }
    DrawMotor(p, hub, radius * 0.26, QColor(0x7a, 0x86, 0x91));
    DrawFeet(p, body);
}

void DrawCoolingSystem(QPainter& p, const QRectF& r) {
    // The tank across the bottom, the cooler standing on it, the pump and motor beside.
    const QRectF tank(r.left() + r.width() * 0.06, r.top() + r.height() * 0.64, r.width() * 0.88,
                      r.height() * 0.24);
    const QRectF body(r.left() + r.width() * 0.1, r.top() + r.height() * 0.04, r.width() * 0.48,
                      r.height() * 0.6);
    DrawMatrix(p, body);
    const qreal radius = std::min(body.width(), body.height()) * 0.4;
    DrawFan(p, body.center(), radius);
    DrawMotor(p, body.center(), radius * 0.3, Accent);
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(Housing);
    p.drawRoundedRect(tank, 3, 3);
    // Motor and pump on the tank lid.
    const QRectF motor(r.left() + r.width() * 0.64, r.top() + r.height() * 0.38, r.width() * 0.2,
                       r.height() * 0.26);
    p.setBrush(Accent);
    p.drawRoundedRect(motor, 4, 4);
    p.setPen(QPen(Accent.lighter(140), 1.0));
    for (qreal x = motor.left() + 4; x < motor.right() - 2; x += 4)
        p.drawLine(QPointF(x, motor.top() + 3), QPointF(x, motor.bottom() - 3));
    p.setPen(QPen(Outline, 1.0));
    p.setBrush(Pipe);
    p.drawRect(QRectF(motor.right(), motor.top() + motor.height() * 0.3, r.width() * 0.07,
                      motor.height() * 0.55));
    // The pipe from the pump up into the cooler.
    p.setPen(QPen(Pipe, 3.0));
    p.drawLine(QPointF(motor.left(), motor.top() + motor.height() * 0.4),
               QPointF(body.right(), motor.top() + motor.height() * 0.4));
    p.setPen(QPen(Outline, 1.0));
    p.setBrush(Pipe);
    p.drawRect(QRectF(tank.left() + 8, tank.bottom(), tank.width() * 0.12, 4));
    p.drawRect(
        QRectF(tank.right() - 8 - tank.width() * 0.12, tank.bottom(), tank.width() * 0.12, 4));
}

void DrawPrinter(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + r.width() * 0.28, r.top() + r.height() * 0.08, r.width() * 0.44,
                      r.height() * 0.3));
    p.setBrush(Matrix);
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.08, r.top() + r.height() * 0.34,
                             r.width() * 0.84, r.height() * 0.38),
                      2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + r.width() * 0.26, r.top() + r.height() * 0.6, r.width() * 0.48,
                      r.height() * 0.32));
    p.setPen(QPen(Fin, 1.0));
    for (int i = 1; i <= 2; ++i) {
        const qreal y = r.top() + r.height() * (0.66 + 0.09 * i);
        p.drawLine(QPointF(r.left() + r.width() * 0.33, y),
                   QPointF(r.right() - r.width() * 0.33, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4f, 0x9d, 0x5a));
    p.drawEllipse(QPointF(r.right() - r.width() * 0.2, r.top() + r.height() * 0.46),
                  r.width() * 0.04, r.width() * 0.04);
}

void DrawResetArrow(QPainter& p, const QRectF& r) {
    const QRectF ring =
        r.adjusted(r.width() * 0.18, r.height() * 0.18, -r.width() * 0.18, -r.height() * 0.18);
    p.setPen(QPen(Accent, r.width() * 0.11, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 100 * 16, 290 * 16);
    // The arrow head at the open end of the ring, pointing along the turn.
    const QPointF tip(ring.center().x() - ring.width() * 0.1, ring.top());
    QPainterPath head;
    head.moveTo(tip + QPointF(r.width() * 0.16, 0));
    head.lineTo(tip + QPointF(-r.width() * 0.02, -r.height() * 0.16));
    head.lineTo(tip + QPointF(-r.width() * 0.02, r.height() * 0.16));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawPath(head);
}

template <typename Draw> QPixmap Painted(QSize Size, Draw draw) {
    QPixmap pixmap = BlankPixmap(Size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, QRectF(QPointF(0, 0), QSizeF(Size)));
    return pixmap;
}

QIcon IconOf(void (*draw)(QPainter&, const QRectF&)) {
    QIcon icon;
    for (int side : {16, 24, 32, 48})
        icon.addPixmap(Painted(QSize(side, side), draw));
    return icon;
}

} // namespace

void PaintProductPicture(QPainter& Painter, TProductPicture Picture, const QRectF& Area) {
    switch (Picture) {
    case TProductPicture::CompactAC:
        DrawCompactAC(Painter, Area);
        break;
    case TProductPicture::LargeAC:
        DrawLargeAC(Painter, Area);
        break;
    case TProductPicture::TwinDC:
        DrawTwinDC(Painter, Area);
        break;
    case TProductPicture::Hydraulic:
        DrawHydraulic(Painter, Area);
        break;
    case TProductPicture::CoolingSystem:
        DrawCoolingSystem(Painter, Area);
        break;
    }
}

TProductPictureView::TProductPictureView(TProductPicture Picture, QSize Size, QWidget* Parent)
    : QWidget(Parent), Picture(Picture) {
    setFixedSize(Size);
}

void TProductPictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    PaintProductPicture(p, Picture, QRectF(rect()));
}

QPixmap LogoPixmap(QSize Size) {
    // Every page shows the logo at the same size; it is drawn once.
    const QString key = QStringLiteral("aircooler-logo-%1x%2").arg(Size.width()).arg(Size.height());
    QPixmap logo;
    if (QPixmapCache::find(key, &logo))
        return logo;
    logo = Painted(Size, &PaintLogo);
    QPixmapCache::insert(key, logo);
    return logo;
}

QIcon PrinterIcon() {
    return IconOf(&DrawPrinter);
}

QIcon ResetIcon() {
    return IconOf(&DrawResetArrow);
}
