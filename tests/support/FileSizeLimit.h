#pragma once

#include <QProcess>

#include <csignal>
#include <sys/resource.h>

// A write that fails as a full disk fails it, without filling a disk: the system refuses to let
// a file grow past the file size limit ("File too large"). The signal that would otherwise end
// the writing process is ignored meanwhile, so the writer sees the failure and must handle it.

// Files this test process writes cannot grow past Bytes while the object lives.
class TScopedFileSizeLimit {
public:
    explicit TScopedFileSizeLimit(rlim_t Bytes) {
        getrlimit(RLIMIT_FSIZE, &Before);
        PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = Before;
        limited.rlim_cur = Bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~TScopedFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &Before);
        std::signal(SIGXFSZ, PreviousHandler);
    }
    TScopedFileSizeLimit(const TScopedFileSizeLimit&) = delete;
    TScopedFileSizeLimit& operator=(const TScopedFileSizeLimit&) = delete;

private:
    rlimit Before{};
    void (*PreviousHandler)(int) = SIG_DFL;
};

// Files the program started by Program writes, and the programs it runs in turn, cannot grow
// past Bytes.
inline void LimitFileSize(QProcess& Program, rlim_t Bytes) {
    Program.setChildProcessModifier([Bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited{};
        getrlimit(RLIMIT_FSIZE, &limited);
        limited.rlim_cur = Bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    });
}
