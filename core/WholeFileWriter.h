#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QSaveFile;

// Every file the program writes is written through here, whole or not at all.

// Writes Bytes as the whole content of the file Path. They go into a new file beside it, which
// takes the name only once every byte has reached the disk: a reader sees the old file or the
// new one, never a part, and a write that fails (a full disk, a file size limit) leaves the old
// file as it was and nothing beside it. A replaced file keeps its permissions; a link is
// followed and the file it leads to replaced. A name OutputPathRefusal refuses is not written.
// False with the system's reason in Error, e.g. "No space left on device".
bool WriteWholeFile(const QString& Path, const QByteArray& Bytes, QString& Error);

// A file written piece by piece, with the guarantees of WriteWholeFile: the pieces go into a
// new file beside it, which takes the name only when Commit succeeds; until then, and after any
// failure, the old file stays as it was and nothing is left beside it.
class TWholeFileStream {
public:
    TWholeFileStream();
    ~TWholeFileStream();
    TWholeFileStream(const TWholeFileStream&) = delete;
    TWholeFileStream& operator=(const TWholeFileStream&) = delete;

    // False with the reason in Error; a name OutputPathRefusal refuses is not opened.
    bool Open(const QString& Path, QString& Error);
    bool Write(const QByteArray& Bytes, QString& Error);
    bool Commit(QString& Error);

private:
    std::unique_ptr<QSaveFile> File;
};

// Writes Bytes to the standard output, which may be a pipe or a terminal and so cannot be
// replaced whole; a write that fails still says why. False with the reason in Error.
bool WriteStandardOutput(const QByteArray& Bytes, QString& Error);
