#pragma once

#include <QStringList>
#include <QTextStream>

// select --batch FILE.csv [--out FILE.csv] [--jobs N]: sizes every row of a table of operating
// points exactly as a single select run sizes it, and writes the table again with the results
// added to each row (BatchTable.h, BatchRow.h). "-" is standard input or output.
bool IsBatchRequest(const QStringList& Arguments);

// The catalogue is read from `IniFilePath` (ending in a separator), once for the whole table;
// --jobs N sizes N rows side by side in threads. Progress goes to `Err`, as a bar when
// `ErrIsTerminal`. Returns the exit code: 0 when every row has its result,
// 1 when a row has none, 2 when the table or the arguments cannot be read or the output
// cannot be written.
int RunBatchCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Err,
                    bool ErrIsTerminal);

QString BatchUsage();
