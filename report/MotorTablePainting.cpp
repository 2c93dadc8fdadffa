#include "report/MotorTablePainting.h"

#include "core/WholeFileWriter.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

QFont DeviceFont(const TPrintFont& Font, const QPaintDevice& Device) {
    QFont font(Font.Family);
    font.setPointSize(Font.PointSize);
    font.setBold(Font.Bold);
    return QFont(font, &Device);
}

int TDeviceTextMetrics::TextHeight(const TPrintFont& Font) const {
    return QFontMetrics(DeviceFont(Font, Device), &Device).height();
}

int TDeviceTextMetrics::TextWidth(const TPrintFont& Font, const QString& Text) const {
    return QFontMetrics(DeviceFont(Font, Device), &Device).horizontalAdvance(Text);
}

bool PaintMotorTable(QPagedPaintDevice& Device, TMotorTableInput Input) {
    QPainter painter;
    if (!painter.begin(&Device))
        return false;
    Input.PageWidth = Device.width();
    Input.PageHeight = Device.height();
    const QList<TMotorTablePage> pages = LayOutMotorTable(Input, TDeviceTextMetrics(Device));
    for (qsizetype page = 0; page < pages.size(); ++page) {
        if (page > 0)
            Device.newPage();
        for (const TPlacedText& text : pages[page].Texts) {
            const QFont font = DeviceFont(text.Font, Device);
            painter.setFont(font);
            // Placed by the top-left corner; the painter writes on the baseline.
            painter.drawText(text.X, text.Y + QFontMetrics(font, &Device).ascent(), text.Text);
        }
    }
    return painter.end();
}

bool WriteMotorTablePdf(const QString& FileName, const TMotorTableInput& Input,
                        const QPageSize& PageSize, QString& Error) {
    // The pages are made in memory and then written whole: a file that cannot be finished is
    // not left behind half-written, nor is the one it replaces lost.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(MotorTableResolution);
        writer.setPageLayout(QPageLayout(PageSize, QPageLayout::Portrait, QMarginsF()));
        writer.setTitle(Input.Title);
        writer.setCreator(QStringLiteral("Air Oil Cooler Software"));
        if (!PaintMotorTable(writer, Input)) {
            Error = QStringLiteral("the pages cannot be drawn");
            return false;
        }
    }
    return WriteWholeFile(FileName, pdf.data(), Error);
}
