#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

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

QPixmap ProductPicture(TProductPicture Picture, QSize Size);

// The maker's logo: the fan mark with the name beside it, fitted into Size.
QPixmap LogoPixmap(QSize Size);

QIcon PrinterIcon();
QIcon ResetIcon();
