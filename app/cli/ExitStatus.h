#pragma once

#include <QString>

// The one rule of exit statuses that every command follows, as its help tells it:
//   0  a result;
//   1  no result: the page's own message, a data fault, or a file that cannot be read or
//      written;
//   2  arguments refused before any work: an unknown option, a value that cannot be read, or
//      an output that names the input or no regular file.
QString ExitStatusHelp();
