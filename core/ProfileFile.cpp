#include "core/ProfileFile.h"

#include "core/DataFault.h"

#include <QFile>

namespace {

// Windows-1252 characters of the bytes 0x80 to 0x9F; the five unassigned bytes map to the
// C1 control characters of the same value, as the platform's own conversion does.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeCp1252(const char* data, qsizetype size) {
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(Cp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QStringView Trimmed(QStringView text) {
    return text.trimmed();
}

} // namespace

QString TProfileFile::DecodeBytes(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    return DecodeCp1252(bytes.constData(), bytes.size());
}

QList<TProfileSection> TProfileFile::ParseSections(const QString& text) {
    QList<TProfileSection> sections;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        const QStringView line = Trimmed(QStringView(text).mid(start, end - start));
        start = end + 1;

        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            sections.append({Trimmed(line.mid(1, close < 0 ? -1 : close - 1)).toString(), {}});
            continue;
        }
        // Lines before the first section belong to none.
        if (sections.isEmpty() || line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        sections.last().Entries.append(
            {Trimmed(line.left(equals)).toString(), Trimmed(line.mid(equals + 1)).toString()});
    }
    return sections;
}

const TProfileSection* TProfileFile::FindSection(const QList<TProfileSection>& sections,
                                                 const QString& name) {
    const QStringView wanted = Trimmed(name);
    for (const TProfileSection& section : sections) {
        if (QStringView(section.Name).compare(wanted, Qt::CaseInsensitive) == 0)
            return &section;
    }
    return nullptr;
}

// A file that cannot be opened throws EDataFileError: read as a file without sections it would
// make every value a missing number, which hides what is wrong.
QList<TProfileSection> TProfileFile::ReadSections(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EDataFileError(fileName);
    return ParseSections(DecodeBytes(file.readAll()));
}

QList<TProfileEntry> TProfileFile::SectionEntries(const QList<TProfileSection>& sections,
                                                  const QString& section) {
    const TProfileSection* found = FindSection(sections, section);
    return found ? found->Entries : QList<TProfileEntry>();
}

QString TProfileFile::ValueOf(const QList<TProfileEntry>& entries, const QString& key) {
    for (const TProfileEntry& entry : entries) {
        if (entry.Key.compare(key, Qt::CaseInsensitive) == 0)
            return entry.Value;
    }
    return QString();
}
