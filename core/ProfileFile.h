#pragma once

#include <QList>
#include <QString>

// Reader of the program's data files (catalogue, oil data, motor variants) in the
// initialisation-file layout: "[section]" headings followed by "key=value" lines.
//
// The rules are those of the platform's profile files, which these files were written for:
// sections and keys match without regard to letter case; the first of two equal sections or
// keys wins; blanks around keys, values and section names are dropped; lines starting with ';'
// and lines without '=' are not entries; CR LF and LF line ends; a UTF-8 byte-order mark makes
// the file UTF-8, otherwise its bytes are Windows-1252.
//
// Files are opened, read and closed on every call; a run that reads the same sections many
// times keeps what it read (engine/CatalogueSource.h).
struct TProfileEntry {
    QString Key;
    QString Value;
};

struct TProfileSection {
    QString Name;
    QList<TProfileEntry> Entries;
};

class TProfileFile {
public:
    // Every section of the file, in file order, duplicates included. A file that is missing or
    // cannot be read throws EDataFileError.
    static QList<TProfileSection> ReadSections(const QString& fileName);
    // All entries of the first section of that name in `sections`, duplicates included, in file
    // order; an empty list without one.
    static QList<TProfileEntry> SectionEntries(const QList<TProfileSection>& sections,
                                               const QString& section);

    // Every section of decoded file text, in file order, duplicates included. A pure function
    // of the text, so readers built on it can be fed any bytes.
    static QList<TProfileSection> ParseSections(const QString& text);

    // The first section of that name, letter case ignored; nullptr when there is none.
    static const TProfileSection* FindSection(const QList<TProfileSection>& sections,
                                              const QString& name);

    // The value of the first entry whose key matches (letter case ignored), or an empty text.
    static QString ValueOf(const QList<TProfileEntry>& entries, const QString& key);

    // The whole file decoded as text (exposed for tests of the decoding rules).
    static QString DecodeBytes(const QByteArray& bytes);
};
