#include "core/VisibleText.h"

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
