#pragma once

#include <QFile>
#include <QString>

#include <sys/stat.h>
#include <sys/sysmacros.h>

// Names that exist but are no regular file, made inside a test's temporary folder: an output
// path that names one must be refused and the node left as it was.
enum class TSpecialFile { Fifo, Folder, CharacterDevice };

struct TSpecialFileCase {
    const char* Name;
    TSpecialFile Kind;
    const char* Refusal; // what the program says of it
};

inline const TSpecialFileCase SpecialFiles[] = {
    {"Fifo", TSpecialFile::Fifo, "it is a FIFO, not a regular file"},
    {"Folder", TSpecialFile::Folder, "it is a folder, not a regular file"},
    {"CharacterDevice", TSpecialFile::CharacterDevice,
     "it is a character device, not a regular file"},
};

inline mode_t SpecialFileMode(TSpecialFile Kind) {
    switch (Kind) {
    case TSpecialFile::Fifo:
        return S_IFIFO;
    case TSpecialFile::Folder:
        return S_IFDIR;
    case TSpecialFile::CharacterDevice:
        return S_IFCHR;
    }
    return 0;
}

// Makes the node; false when this process may not. A character device needs root (it is the
// null device's numbers, harmless should anything write into it).
inline bool MakeSpecialFile(TSpecialFile Kind, const QString& Path) {
    const QByteArray name = QFile::encodeName(Path);
    switch (Kind) {
    case TSpecialFile::Fifo:
        return mkfifo(name.constData(), 0600) == 0;
    case TSpecialFile::Folder:
        return mkdir(name.constData(), 0700) == 0;
    case TSpecialFile::CharacterDevice:
        return mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    }
    return false;
}

// The node is still there and still of its kind (a link to it would not count).
inline bool IsSpecialFile(TSpecialFile Kind, const QString& Path) {
    struct stat status {};
    return lstat(QFile::encodeName(Path).constData(), &status) == 0 &&
           (status.st_mode & S_IFMT) == SpecialFileMode(Kind);
}
