#include "core/WholeFileWriter.h"

#include "core/OutputPath.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// Qt knows the reason of the calls it made itself, but says only "Unknown error" for what it
// did not see as a failure, such as a write that stopped short; the system's error number holds
// the reason then.
QString Reason(const QFileDevice& File, int SystemError) {
    const QString told = File.errorString();
    const bool toldNothing =
        File.error() == QFileDevice::NoError || told.isEmpty() || told == QFile().errorString();
    if (toldNothing && SystemError != 0)
        return QString::fromLocal8Bit(std::strerror(SystemError));
    return told;
}

// The device is unbuffered, so each write reaches the system at once and its failure is seen
// here, with its reason, rather than lost in a later flush.
bool WriteAll(QFileDevice& File, const QByteArray& Bytes, QString& Error) {
    qint64 done = 0;
    while (done < Bytes.size()) {
        errno = 0;
        const qint64 written = File.write(Bytes.constData() + done, Bytes.size() - done);
        if (written <= 0) {
            Error = Reason(File, errno);
            return false;
        }
        done += written;
    }
    return true;
}

// Some file systems report a full disk only when the data is put on it; the new file must not
// take the name before that. A file system that cannot sync (EINVAL) has nothing to report.
bool SyncToDisk(const QFileDevice& File, QString& Error) {
    if (::fsync(File.handle()) == 0 || errno == EINVAL)
        return true;
    Error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

} // namespace

TWholeFileStream::TWholeFileStream() = default;
// A save file that is not committed is discarded when it goes.
TWholeFileStream::~TWholeFileStream() = default;

bool TWholeFileStream::Open(const QString& Path, QString& Error) {
    const QString refusal = OutputPathRefusal(Path);
    if (!refusal.isEmpty()) {
        Error = refusal;
        return false;
    }
    File = std::make_unique<QSaveFile>(Path);
    errno = 0;
    if (!File->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        Error = Reason(*File, errno);
        File.reset();
        return false;
    }
    return true;
}

bool TWholeFileStream::Write(const QByteArray& Bytes, QString& Error) {
    if (WriteAll(*File, Bytes, Error))
        return true;
    File.reset();
    return false;
}

bool TWholeFileStream::Commit(QString& Error) {
    if (!SyncToDisk(*File, Error)) {
        File.reset();
        return false;
    }
    errno = 0;
    const bool committed = File->commit();
    if (!committed)
        Error = Reason(*File, errno);
    File.reset();
    return committed;
}

bool WriteWholeFile(const QString& Path, const QByteArray& Bytes, QString& Error) {
    TWholeFileStream file;
    return file.Open(Path, Error) && file.Write(Bytes, Error) && file.Commit(Error);
}

bool WriteStandardOutput(const QByteArray& Bytes, QString& Error) {
    QFile out;
    errno = 0;
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        Error = Reason(out, errno);
        return false;
    }
    return WriteAll(out, Bytes, Error);
}
