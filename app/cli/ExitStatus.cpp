#include "app/cli/ExitStatus.h"

QString ExitStatusHelp() {
    return QStringLiteral(
        "Exit status, the same for every command: 0 with a result; 1 without one: the page's\n"
        "own message (no cooler qualifies, a value outside its range), a data fault, or a file\n"
        "that cannot be read or written, with the reason; 2 for arguments refused before any\n"
        "work: an unknown option, a value that cannot be read, or an output that names the\n"
        "input or no regular file (a device, a FIFO or a folder).\n");
}
