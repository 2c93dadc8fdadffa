#pragma once

#include "report/MotorTableLayout.h"

#include <QFont>
#include <QPageSize>

class QPagedPaintDevice;
class QPaintDevice;

// The motor table's pages drawn on a paged device: a printer (in the window) or a PDF file.

// The font on the device, sized in points for the device's resolution.
QFont DeviceFont(const TPrintFont& Font, const QPaintDevice& Device);

// Text sizes as the device will draw them.
class TDeviceTextMetrics : public TTextMetrics {
public:
    explicit TDeviceTextMetrics(const QPaintDevice& Device) : Device(Device) {}
    int TextHeight(const TPrintFont& Font) const override;
    int TextWidth(const TPrintFont& Font, const QString& Text) const override;

private:
    const QPaintDevice& Device;
};

// Lays out the table for the device's page and draws it; false when the device cannot be
// painted on (a printer that cannot be opened, a file that cannot be written).
bool PaintMotorTable(QPagedPaintDevice& Device, TMotorTableInput Input);

// Writes the printed pages to a PDF file at the printer's resolution, 600 dots per inch, on
// pages of `PageSize` without margins. The file is replaced only when it is written whole;
// false, with the system's reason in Error, when it cannot be.
bool WriteMotorTablePdf(const QString& FileName, const TMotorTableInput& Input,
                        const QPageSize& PageSize, QString& Error);

// The printers' resolution: 250 units of the left margin are about 10.6 mm.
constexpr int MotorTableResolution = 600;
