#pragma once

#include <QString>

// Checks of a file name the program is asked to write, made before any work so that a name
// that cannot be meant is refused at once rather than after a long run.

// Empty when Path can take a file: nothing is there yet, or a regular file (or a link to one)
// that a new file may replace. Otherwise why not, as "it is a FIFO, not a regular file":
// replacing a device, a FIFO, a socket or a folder with a file would break whatever uses it,
// and writing into one is no file that can be written whole.
QString OutputPathRefusal(const QString& Path);

// True when both names lead to the same existing file, by whatever spelling, link or hard link;
// false when either does not exist.
bool IsSameFile(const QString& First, const QString& Second);

// True when the standard input reads the existing file Path, as after "< Path" in the shell.
bool IsStandardInput(const QString& Path);
