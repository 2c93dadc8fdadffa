#include "texts/TextHelpers.h"

#include "texts/TextLimits.h"

QString RemoveAmpersands(const QString& Text) {
    QString plain = Text;
    return plain.remove(u'&');
}

QString TextAfterFirstBlank(const QString& Text) {
    const QString bounded = Text.left(MaxTextLength);
    const qsizetype blank = bounded.indexOf(u' ');
    if (blank < 0)
        return {};
    return bounded.mid(blank + 1);
}
