// Renders the scalable program icon into the PNG sizes of the icon theme.
//
//   aircooler-render-icon ICON.svg OUTDIR SIZE...   writes OUTDIR/SIZExSIZE.png for each SIZE

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Rendering needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 4) {
        std::fputs("usage: aircooler-render-icon ICON.svg OUTDIR SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer icon(arguments[1]);
    if (!icon.isValid()) {
        std::fprintf(stderr, "%s is no readable SVG picture\n", qPrintable(arguments[1]));
        return 1;
    }
    const QDir out(arguments[2]);
    for (const QString& sizeText : arguments.mid(3)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "%s is no icon size\n", qPrintable(sizeText));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        icon.render(&painter);
        painter.end();
        const QString file = out.filePath(QStringLiteral("%1x%1.png").arg(size));
        if (!image.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
