#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>

// Damaged copies of the installed data files, for the tests of what the program tells about
// them: a folder of data copied, then one key of one section edited.

// Copies every file of the folder `From` into the folder `To`, which is made when missing.
// False when a file cannot be copied.
inline bool CopyDataFiles(const QString& From, const QString& To) {
    if (!QDir().mkpath(To))
        return false;
    const QDir source(From);
    for (const QString& name : source.entryList(QDir::Files)) {
        QFile::remove(QDir(To).filePath(name));
        if (!QFile::copy(source.filePath(name), QDir(To).filePath(name)))
            return false;
    }
    return true;
}

// Replaces the value of `Key` in `Section` of the data file `Path`, or leaves the key's line out
// when `Value` is null: the first line of the key in the first section of that name, letter
// case ignored, which is the one the program reads. The line end is kept. False when the file
// cannot be read or written or has no such line.
inline bool EditDataFile(const QString& Path, const QString& Section, const QString& Key,
                         const QString& Value) {
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    bool inSection = false;
    bool sectionSeen = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromLatin1(lines[i]).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSection = !sectionSeen && line.mid(1)
                                                .section(QLatin1Char(']'), 0, 0)
                                                .trimmed()
                                                .compare(Section, Qt::CaseInsensitive) == 0;
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection ||
            line.section(QLatin1Char('='), 0, 0).trimmed().compare(Key, Qt::CaseInsensitive) != 0)
            continue;
        if (Value.isNull()) {
            lines.removeAt(i);
        } else {
            const QByteArray end = lines[i].endsWith('\r') ? "\r" : "";
            lines[i] = (Key + QLatin1Char('=') + Value).toUtf8() + end;
        }
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(lines.join('\n')) >= 0;
    }
    return false;
}
