#include "core/VisibleText.h"

#include "core/CodePoints.h"

QString WithVisibleControlCharacters(const QString& text) {
    QString visible;
    visible.reserve(text.size());
    for (const QChar c : text) {
        const bool control = c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                             c == QChar::ParagraphSeparator;
        if (!control)
            visible += c;
        else if (c.unicode() <= 0xFF)
            visible += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            visible += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return visible;
}

QString EchoedValue(const QString& text) {
    // Only the part that is shown is escaped: a cell of megabytes costs no more than its start.
    const QString shown = LeftCodePoints(text, MaxEchoedLength + 1);
    if (CodePointCount(shown) <= MaxEchoedLength)
        return WithVisibleControlCharacters(shown);
    return WithVisibleControlCharacters(LeftCodePoints(shown, MaxEchoedLength)) +
           QStringLiteral("...");
}
