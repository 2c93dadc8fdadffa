#include "core/OutputPath.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// stat follows links: a link is judged by what it leads to, as the writer writes there.
bool StatOf(const QString& Path, struct stat& Status) {
    return !Path.isEmpty() && ::stat(QFile::encodeName(Path).constData(), &Status) == 0;
}

bool SameNode(const struct stat& First, const struct stat& Second) {
    return First.st_dev == Second.st_dev && First.st_ino == Second.st_ino;
}

// Empty for a kind this system has no name for.
QString KindOf(mode_t Mode) {
    if (S_ISDIR(Mode))
        return QStringLiteral("a folder");
    if (S_ISCHR(Mode))
        return QStringLiteral("a character device");
    if (S_ISBLK(Mode))
        return QStringLiteral("a block device");
    if (S_ISFIFO(Mode))
        return QStringLiteral("a FIFO");
    if (S_ISSOCK(Mode))
        return QStringLiteral("a socket");
    return QString();
}

} // namespace

QString OutputPathRefusal(const QString& Path) {
    struct stat status {};
    // A name that cannot be looked up is left to the write, which gives the system's reason.
    if (!StatOf(Path, status) || S_ISREG(status.st_mode))
        return QString();
    const QString kind = KindOf(status.st_mode);
    return kind.isEmpty() ? QStringLiteral("it is not a regular file")
                          : QStringLiteral("it is %1, not a regular file").arg(kind);
}

bool IsSameFile(const QString& First, const QString& Second) {
    struct stat first {};
    struct stat second {};
    return StatOf(First, first) && StatOf(Second, second) && SameNode(first, second);
}

bool IsStandardInput(const QString& Path) {
    struct stat input {};
    struct stat file {};
    return ::fstat(STDIN_FILENO, &input) == 0 && StatOf(Path, file) && SameNode(input, file);
}
