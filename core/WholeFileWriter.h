#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes is written through here, whole or not at all.

// Writes Bytes as the whole content of the file Path. They go into a new file beside it, which
// takes the name only once every byte has reached the disk: a reader sees the old file or the
// new one, never a part, and a write that fails (a full disk, a file size limit) leaves the old
// file as it was and nothing beside it. A replaced file keeps its permissions; a link is
// followed and the file it leads to replaced. A name OutputPathRefusal refuses is not written.
// False with the system's reason in Error, e.g. "No space left on device".
bool WriteWholeFile(const QString& Path, const QByteArray& Bytes, QString& Error);

// Writes Bytes to the standard output, which may be a pipe or a terminal and so cannot be
// replaced whole; a write that fails still says why. False with the reason in Error.
bool WriteStandardOutput(const QByteArray& Bytes, QString& Error);
