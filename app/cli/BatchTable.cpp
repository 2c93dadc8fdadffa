#include "app/cli/BatchTable.h"

#include "app/cli/SelectArguments.h"
#include "core/VisibleText.h"

#include <algorithm>

namespace {

// An empty line, or a row of empty or blank cells only: nothing to size, so it is left out.
bool IsBlankLine(const TCsvRecord& record) {
    return record.Error.isEmpty() &&
           std::all_of(record.Fields.cbegin(), record.Fields.cend(),
                       [](const QString& cell) { return QStringView(cell).trimmed().isEmpty(); });
}

QStringList ColumnNames() {
    QStringList names;
    for (const QString& option : SelectValueOptions())
        names.append(option.mid(2));
    return names;
}

} // namespace

bool TBatchTableReader::ReadHeader(TBatchTable& Table, QString& Error) {
    TCsvRecord header;
    bool found = false;
    while (!found && Stream.Next(header))
        found = !IsBlankLine(header);
    if (!found) {
        Error = QStringLiteral("The table is empty: its first line names the columns (%1).")
                    .arg(ColumnNames().join(", "));
        return false;
    }
    if (!header.Error.isEmpty()) {
        Error = QStringLiteral("The header does not read: %1.").arg(header.Error);
        return false;
    }
    const QStringList known = ColumnNames();
    Table = {};
    for (const QString& field : header.Fields) {
        const QString name = field.trimmed().toLower();
        if (!known.contains(name)) {
            Error = QStringLiteral("Unknown column \"%1\": the columns are named after the "
                                   "options of select: %2.")
                        .arg(EchoedValue(field), known.join(", "));
            return false;
        }
        const QString option = QStringLiteral("--") + name;
        if (Table.Options.contains(option)) {
            Error = QStringLiteral("The column \"%1\" is given twice.").arg(EchoedValue(name));
            return false;
        }
        Table.Header.append(field.trimmed());
        Table.Options.append(option);
    }
    return true;
}

bool TBatchTableReader::NextRow(TCsvRecord& Row) {
    while (Stream.Next(Row)) {
        if (!IsBlankLine(Row))
            return true;
    }
    return false;
}

bool TBatchTableReader::NextRowOutline(TCsvRecord& Row) {
    while (Stream.NextOutline(Row)) {
        if (!IsBlankLine(Row))
            return true;
    }
    return false;
}

bool RowReads(const TBatchTable& Table, const TCsvRecord& Row, QString& Error) {
    if (!Row.Error.isEmpty()) {
        Error = Row.Error;
        return false;
    }
    if (Row.Fields.size() != Table.Options.size()) {
        Error = QStringLiteral("line %1: %2 cells where the header names %3 columns")
                    .arg(Row.Line)
                    .arg(Row.Fields.size())
                    .arg(Table.Options.size());
        return false;
    }
    return true;
}

bool RowOptions(const TBatchTable& Table, const TCsvRecord& Row, QMap<QString, QString>& Options,
                QString& Error) {
    if (!RowReads(Table, Row, Error))
        return false;
    Options.clear();
    for (qsizetype i = 0; i < Row.Fields.size(); ++i) {
        const QString cell = Row.Fields[i].trimmed();
        if (!cell.isEmpty())
            Options.insert(Table.Options[i], cell);
    }
    return true;
}
