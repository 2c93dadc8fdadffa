#pragma once

#include "app/cli/BatchProgress.h"
#include "app/cli/BatchTable.h"

#include <QTextStream>

// Sizes `Rows` of `Table` (each with a cell for every column) in `Jobs` worker processes, each
// `Program select --batch - --out -` on a contiguous slice: the engine state is the process's,
// so sizings run side by side only in processes of their own. Returns the added fields of each
// row (BatchRow.h) in the order of `Rows`. The rows sized so far go to `Progress` as `Before`
// plus the workers' counts; anything else a worker says on standard error goes to `Err`.
QList<QStringList> SizeInWorkers(const QString& Program, const TBatchTable& Table,
                                 const QList<TCsvRecord>& Rows, int Jobs, qsizetype Before,
                                 TBatchProgress& Progress, QTextStream& Err);
