#pragma once

#include "core/Csv.h"

#include <QMap>
#include <QStringList>
#include <QStringView>

// A table of operating points for select --batch: a header naming the columns after the
// options of select without their dashes ("series", "flow", "flow-unit", ...), then one row per
// operating point. An empty cell is an option not given.
struct TBatchTable {
    QStringList Header;  // the column names as written
    QStringList Options; // the option of each column: "--series", ...
};

// Reads a table from a CSV file as it comes, a row at a time.
class TBatchTableReader {
public:
    explicit TBatchTableReader(QIODevice& Input) : Stream(Input) {}

    // The header, before any row. False with `Error` when it cannot be used: no header at all,
    // a header that does not read, an unknown or a repeated column.
    bool ReadHeader(TBatchTable& Table, QString& Error);
    // The next row; empty lines and rows of blank cells are left out. False at the end.
    bool NextRow(TCsvRecord& Row);
    // The next row as NextRow finds it, its cells in outline (TCsvStream::NextOutline): enough to
    // count rows, tell whether they read (RowReads) and pass over them.
    bool NextRowOutline(TCsvRecord& Row);

private:
    TCsvStream Stream;
};

// False with `Error` for a row that does not read or does not have a cell for each column.
bool RowReads(const TBatchTable& Table, const TCsvRecord& Row, QString& Error);

// The options of select a row gives: the option of each non-empty cell with the cell's text
// without blanks around it. The header names each option once, so these are options select
// reads as they are. False with `Error` for a row that does not read (RowReads).
bool RowOptions(const TBatchTable& Table, const TCsvRecord& Row, QMap<QString, QString>& Options,
                QString& Error);
