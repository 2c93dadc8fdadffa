#pragma once

#include "app/cli/BatchTable.h"

#include <QStringList>

// The columns each output row adds to the input's: the model the results belong to, the nine
// result texts under their keys in select's JSON, the candidates, the exit status a single run
// gives and its messages.
const QStringList& BatchResultColumns();

// The added fields of a row sized by select exactly as a single run with `Arguments` sizes it,
// on the catalogue in `IniFilePath`.
QStringList SizeBatchRow(const QStringList& Arguments, const QString& IniFilePath);

// The added fields of a row that cannot be sized, with the exit status and the message.
QStringList UnsizedBatchRow(int Status, const QString& Message);

// A row of the output: the row's cells, one for each column of the header, then `Added`.
QStringList BatchOutputRow(const TBatchTable& Table, const TCsvRecord& Row,
                           const QStringList& Added);
