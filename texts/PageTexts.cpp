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

namespace {
QResource TableResource(TLanguageType Language, TLanguagePageType Page) {
    RegisterTextTables();
    return QResource(QStringLiteral(":/texts/tables/%1/%2.txt")
                         .arg(LanguageTypeName(Language), LanguagePageTypeName(Page)));
}
} // namespace

bool HasTextTables(TLanguageType Language) {
    // Every language with tables has its main group; the table tests hold the rest complete.
    return !LanguageTypeName(Language).isEmpty() && TableResource(Language, MainGroup).isValid();
}

QList<TLanguageType> LanguagesWithTexts() {
    QList<TLanguageType> languages;
    for (int i = 0; i < LanguageTypeCount; ++i) {
        const auto language = static_cast<TLanguageType>(i);
        if (HasTextTables(language))
            languages.append(language);
    }
    return languages;
}

void LoadPageTexts(TLanguageType Language, TLanguagePageType Page, QStringList& Lines) {
    if (LanguageTypeName(Language).isEmpty() || LanguagePageTypeName(Page).isEmpty())
        return;

    const QResource table = TableResource(Language, Page);
    if (!table.isValid())
        return;
    Lines.append(SplitTableLines(QString::fromUtf8(table.uncompressedData())));
}
