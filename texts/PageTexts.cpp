#include "texts/PageTexts.h"

#include "texts/TableNames.h"

#include <QResource>

// The resource initialiser lives in this static library's own object file, which the linker
// would leave out because nothing refers to it by name.
static void RegisterTextTables() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(TextTables);
        return true;
    }();
    Q_UNUSED(registered);
}

QStringList SplitTableLines(QString Content) {
    if (Content.startsWith(QChar::ByteOrderMark))
        Content.remove(0, 1);
    if (Content.isEmpty())
        return {};
    if (Content.endsWith(u'\n'))
        Content.chop(1);

    QStringList lines = Content.split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

void LoadPageTexts(TLanguageType Language, TLanguagePageType Page, QStringList& Lines) {
    const QString language = LanguageTypeName(Language);
    const QString page = LanguagePageTypeName(Page);
    if (language.isEmpty() || page.isEmpty())
        return;

    RegisterTextTables();
    const QResource table(QStringLiteral(":/texts/tables/%1/%2.txt").arg(language, page));
    if (!table.isValid())
        return;
    Lines.append(SplitTableLines(QString::fromUtf8(table.uncompressedData())));
}
