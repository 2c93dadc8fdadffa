#include "report/ReportFile.h"

#include "core/WholeFileWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextDocumentWriter>

#include <algorithm>
#include <memory>

namespace {

const QString Extension = QStringLiteral(".odt");

bool Allowed(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') ||
           c == QLatin1Char('_') || c == QLatin1Char('.');
}

// Document units: pixels of 96 to the inch, as QTextDocumentWriter reads them too.
constexpr qreal ScreenDpi = 96;

const QMarginsF PdfMargins(20, 15, 20, 15); // millimetres

// The report as a PDF on `Paper`, the edition's. It is laid out once, on the printable area A4
// leaves inside the margins, as a word processor lays out the same document, so that it
// breaks into pages alike in both editions; on the shorter Letter page it is drawn to fit.
// (A document without a page size would be printed with margins of its own inside the page's
// and a page number below, which leaves a page of text too little room.)
void PrintPdf(const QTextDocument& Document, const QPageSize& Paper, QPdfWriter& Pdf) {
    Pdf.setTitle(Document.metaInformation(QTextDocument::DocumentTitle));
    Pdf.setPageLayout(
        QPageLayout(Paper, QPageLayout::Portrait, PdfMargins, QPageLayout::Millimeter));
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, PdfMargins,
                         QPageLayout::Millimeter);
    const QSizeF body = a4.paintRect(QPageLayout::Inch).size() * ScreenDpi;
    const std::unique_ptr<QTextDocument> pages(Document.clone());
    pages->setPageSize(body);

    QPainter painter(&Pdf);
    const qreal scale = std::min(Pdf.width() / body.width(), Pdf.height() / body.height());
    for (int page = 0; page < pages->pageCount(); ++page) {
        if (page > 0)
            Pdf.newPage();
        const QRectF shown(QPointF(0, page * body.height()), body);
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -shown.top());
        pages->drawContents(&painter, shown);
        painter.restore();
    }
}

// The whole document in memory: the writers may close or reposition a device they are
// given, which a file that is only to take its name at the end must not see.
QByteArray Encoded(const QTextDocument& Document, TReportFormat Format, const QPageSize& Paper) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (Format == TReportFormat::Odf) {
        QTextDocumentWriter writer(&bytes, QByteArrayLiteral("odf"));
        if (!writer.write(&Document))
            return QByteArray();
    } else {
        QPdfWriter pdf(&bytes);
        PrintPdf(Document, Paper, pdf);
    }
    return bytes.data();
}

} // namespace

QString ReportFileName(const QString& ModelName, const QDate& Date) {
    QString name = ModelName + QLatin1Char(' ') + Date.toString(Qt::ISODate);
    for (QChar& c : name) {
        if (!Allowed(c))
            c = QLatin1Char('_');
    }
    return name + Extension;
}

QString ReportFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    return folder;
}

QString ClaimReportFile(const QString& Folder, const QString& ModelName, const QDate& Date,
                        QString& Error) {
    const QString name = ReportFileName(ModelName, Date);
    const QString stem = name.chopped(Extension.size());
    for (int copy = 1;; ++copy) {
        const QString candidate =
            copy == 1 ? name : QStringLiteral("%1 (%2)%3").arg(stem).arg(copy).arg(Extension);
        QFile file(QDir(Folder).filePath(candidate));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file.fileName();
        if (!file.exists()) {
            Error = file.errorString();
            return QString();
        }
    }
}

bool SaveReport(const QTextDocument& Document, const QString& Path, TReportFormat Format,
                const QPageSize& Paper, QString& Error) {
    const QByteArray bytes = Encoded(Document, Format, Paper);
    if (bytes.isEmpty()) {
        Error = QStringLiteral("the document cannot be encoded");
        return false;
    }
    return WriteWholeFile(Path, bytes, Error);
}
