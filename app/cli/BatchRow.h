#pragma once

#include "app/cli/BatchTable.h"
#include "engine/CatalogueSource.h"
#include "pages/selection/SelectionCaptions.h"

#include <QHash>
#include <QMutex>
#include <QStringList>

// The columns each output row adds to the input's: the model the results belong to, the nine
// result texts under their keys in select's JSON, the candidates, the exit status a single run
// gives and its messages.
const QStringList& BatchResultColumns();

// Sizes the rows of a table exactly as single select runs size them, on one reading of the
// catalogue in `IniFilePath` and of each language's texts. Rows may be sized side by side in
// threads, a sizer each: each sizer takes a cache line of its own, since its locks change with
// every row and a neighbour's thread would otherwise wait for the line they share.
class alignas(64) TBatchSizer {
public:
    explicit TBatchSizer(const QString& IniFilePath) : Catalogue(IniFilePath) {}

    // The added fields of a row given as the options of select (RowOptions).
    QStringList SizeRow(const QMap<QString, QString>& Options) const;

private:
    const SelectionCaptions& CaptionsIn(TLanguageType Language) const;

    KeptCatalogue Catalogue;
    mutable QMutex CaptionsGuard;
    mutable QHash<int, SelectionCaptions> Captions;
};

// The added fields of a row that cannot be sized, with the exit status and the message.
QStringList UnsizedBatchRow(int Status, const QString& Message);

// A row of the output: the row's cells, one for each column of the header, then `Added`.
QStringList BatchOutputRow(const TBatchTable& Table, const TCsvRecord& Row,
                           const QStringList& Added);
