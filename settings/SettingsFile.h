#pragma once

#include "settings/SettingsTree.h"

#include <QString>

#include <functional>
#include <optional>

// One settings file on disk. Every call opens, reads and closes the file itself; nothing is
// kept between calls, so a change another program instance made is always seen.
//
// Writes are safe against crashes and against other instances: a change is made while holding
// a lock file beside the settings file (<file>.lock; the lock of an instance that died is taken
// over), applied to the file as it is on disk at that moment, and written to a temporary file
// that then replaces the settings file in one step. A reader therefore sees the old or the new
// file, never a part of one, and two instances writing at once lose neither change.
class TSettingsFile {
public:
    // What to do with a file that exists but cannot be read as settings.
    enum class TIfUnreadable {
        Fail,     // leave it alone and report failure
        SetAside, // rename it to <file>.unreadable-<UTC time> and start from an empty file
    };

    explicit TSettingsFile(QString fileName);

    // The file's content; empty when the file does not exist; nothing when it cannot be read,
    // is larger than any settings file, or is not a well-formed settings file.
    std::optional<TSettingsTree> Read() const;

    // Applies `change` to the file's current content and writes the result; `change` returns
    // false to give up without writing. False also when the file cannot be read, the lock is
    // not had within a few seconds, or the file cannot be written; the file is then unchanged.
    bool Update(const std::function<bool(TSettingsTree&)>& change,
                TIfUnreadable ifUnreadable = TIfUnreadable::Fail) const;

private:
    // The file's bytes: empty when it does not exist, nothing when it cannot be read.
    std::optional<QByteArray> ReadBytes() const;

    QString FileName;
};
