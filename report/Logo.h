#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>

class QPainter;

// The maker's logo, our own picture: a fan mark with the name beside it. The window's pages
// show it, and every report starts with it.

// Draws the logo fitted into Area.
void PaintLogo(QPainter& Painter, const QRectF& Area);

// The fan's blades around Centre, as the logo and the product pictures draw them.
void PaintFanBlades(QPainter& Painter, QPointF Centre, qreal Radius, int Blades,
                    const QColor& Colour);

// The logo as the report's letterhead: 107 x 41 pixels, 24-bit colour on white.
QImage ReportLogo();
