#include "texts/MenuHotkey.h"

#include <QSet>

namespace {
// Menus have always looked for a sibling's accelerator within this many characters of its
// caption; an "&" further on marks nothing.
constexpr qsizetype ConsideredCaptionLength = 200;

// The blank stands for "no accelerator", which is also why a blank is never chosen.
QChar AcceleratorOf(const QString& Caption) {
    const QStringView considered = QStringView(Caption).left(ConsideredCaptionLength);
    const qsizetype ampersand = considered.indexOf(u'&');
    if (ampersand < 0 || ampersand + 1 >= considered.size())
        return u' ';
    return considered[ampersand + 1];
}
} // namespace

QString CaptionWithHotkey(const QString& Text, const QStringList& SiblingCaptions) {
    QSet<QChar> taken{u' '};
    for (const QString& caption : SiblingCaptions)
        taken.insert(AcceleratorOf(caption));

    for (qsizetype position = 0; position < Text.size(); ++position) {
        if (!taken.contains(Text[position]))
            return Text.left(position) + u'&' + Text.mid(position);
    }
    return Text;
}
