#include "core/CodePoints.h"

qsizetype CodePointCount(const QString& text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++count;
    }
    return count;
}

QString LeftCodePoints(const QString& text, qsizetype count) {
    qsizetype units = 0;
    for (qsizetype taken = 0; taken < count && units < text.size(); ++taken) {
        const bool pair = text[units].isHighSurrogate() && units + 1 < text.size() &&
                          text[units + 1].isLowSurrogate();
        units += pair ? 2 : 1;
    }
    return text.left(units);
}
