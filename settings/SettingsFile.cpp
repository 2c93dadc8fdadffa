#include "settings/SettingsFile.h"

#include "core/WholeFileWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <chrono>

namespace {
// Settings files hold a few dozen values; anything far larger is not one, and reading it
// whole would only cost memory.
constexpr qint64 MaxFileSize = 1024 * 1024;

// A write holds the lock for milliseconds. The lock of an instance that died is normally taken
// over at once (its process is gone), but one killed right while creating the lock file leaves
// it without an owner; such a lock counts as abandoned once it is this old.
constexpr std::chrono::milliseconds StaleLockTime{2000};

// Long enough for any other instance to finish its write and for an abandoned lock to age, short
// enough that a hung instance does not freeze the program: the write then reports failure.
constexpr std::chrono::milliseconds LockTimeout{5000};
} // namespace

TSettingsFile::TSettingsFile(QString fileName) : FileName(std::move(fileName)) {}

std::optional<QByteArray> TSettingsFile::ReadBytes() const {
    if (FileName.isEmpty())
        return std::nullopt;
    QFile file(FileName);
    if (!file.exists())
        return QByteArray();
    // A FIFO or a device in the file's place would block the read, or never end it; it holds
    // no settings either way.
    if (!QFileInfo(FileName).isFile())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxFileSize)
        return std::nullopt;
    return bytes;
}

std::optional<TSettingsTree> TSettingsFile::Read() const {
    const std::optional<QByteArray> bytes = ReadBytes();
    if (!bytes)
        return std::nullopt;
    return TSettingsTree::Parse(*bytes);
}

bool TSettingsFile::Update(const std::function<bool(TSettingsTree&)>& change,
                           TIfUnreadable ifUnreadable) const {
    if (FileName.isEmpty() || !QDir().mkpath(QFileInfo(FileName).absolutePath()))
        return false;
    QLockFile lock(FileName + QLatin1StringView(".lock"));
    lock.setStaleLockTime(StaleLockTime);
    if (!lock.tryLock(LockTimeout))
        return false;

    const std::optional<QByteArray> before = ReadBytes();
    std::optional<TSettingsTree> tree = before ? TSettingsTree::Parse(*before) : std::nullopt;
    if (!tree) {
        if (ifUnreadable == TIfUnreadable::Fail)
            return false;
        const QString stamp =
            QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'hhmmsszzz"));
        if (!QFile::rename(FileName, FileName + QLatin1StringView(".unreadable-") + stamp))
            return false;
        tree = TSettingsTree();
    }

    if (!change(*tree))
        return false;
    const QByteArray after = tree->ToBytes();
    if (before && after == *before)
        return true;

    // Settings report failure by the result alone; the reason has no one to go to.
    QString unsaid;
    return WriteWholeFile(FileName, after, unsaid);
}
