#include "ui/SloganPanel.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
const QString Slogan = QStringLiteral("Cool oil \u00b7 reliable hydraulics");
}

TSloganPanel::TSloganPanel(const QString& Name, QWidget* Parent) : QFrame(Parent) {
    setObjectName(Name);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize TSloganPanel::sizeHint() const {
    return {240, 34};
}

void TSloganPanel::paintEvent(QPaintEvent* Event) {
    QFrame::paintEvent(Event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = contentsRect();
    QLinearGradient calm(area.topLeft(), area.topRight());
    calm.setColorAt(0, QColor(0x1f, 0x5f, 0x8b));
    calm.setColorAt(1, QColor(0x6f, 0x8f, 0xa8));
    // A plain rectangle: one span a row keeps the gradient fill on the drawing thread.
    p.fillRect(area, calm);
    // A thin light stripe gives the band some depth without a bevel.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRect(QRectF(area.left() + 6, area.bottom() - 7, area.width() - 12, 2));
    // The pages' own font: one more size would cost the first showing a font load.
    p.setPen(Qt::white);
    p.drawText(area.adjusted(10, 0, -10, 0), Qt::AlignCenter, Slogan);
}
