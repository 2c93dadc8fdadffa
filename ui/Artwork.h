#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QWidget>

class QPainter;
class QRectF;

// The program's own pictures, drawn rather than loaded so that they stay sharp at any size and
// need no image files beside the program.

// The five coolers of the start page.
enum class TProductPicture {
    CompactAC,    // small cooler, A.C. motor
    LargeAC,      // large cooler, A.C. motor
    TwinDC,       // low cooler with two D.C. fans
    Hydraulic,    // cooler with a hydraulic motor and its hoses
    CoolingSystem // cooler on a tank with its own pump
};
constexpr int ProductPictureCount = 5;

// Draws one of the coolers into Area.
void PaintProductPicture(QPainter& Painter, TProductPicture Picture, const QRectF& Area);

// A product picture drawn whenever it is painted: nothing of it is kept in memory.
class TProductPictureView : public QWidget {
public:
    TProductPictureView(TProductPicture Picture, QSize Size, QWidget* Parent);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    TProductPicture Picture;
};

// The maker's logo: the fan mark with the name beside it, fitted into Size.
QPixmap LogoPixmap(QSize Size);

QIcon PrinterIcon();
QIcon ResetIcon();
