// The table of select --batch: the input is the CSV file. Every record the reader accepts is
// written back and read again unchanged, every row turns into arguments or a message, and the
// first rows are sized as the batch sizes them, on the shipped catalogue. The same bytes read
// as a stream in small pieces give the same records, and in outline the same blank cells.
#include "FuzzCheck.h"

#include "app/cli/BatchRow.h"
#include "app/cli/BatchTable.h"
#include "core/Csv.h"
#include "core/RegionalSettings.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {

const QString IniFilePath = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");

// Sizing is the slow part; a few rows show whether any cell upsets it.
constexpr qsizetype SizedRows = 3;

// Every record of `Input`, from its start, as a stream reading pieces of `Piece` bytes gives
// them, by `Next`.
QList<TCsvRecord> Streamed(QIODevice& Input, qint64 Piece, bool (TCsvStream::*Next)(TCsvRecord&)) {
    Input.seek(0);
    TCsvStream stream(Input, Piece);
    QList<TCsvRecord> records;
    for (TCsvRecord record; (stream.*Next)(record);)
        records.append(record);
    return records;
}

void CheckRecords(const QList<TCsvRecord>& records) {
    int line = 0;
    for (const TCsvRecord& record : records) {
        Require(record.Line > line, "records start on increasing lines",
                QString::number(record.Line));
        line = record.Line;
        if (!record.Error.isEmpty())
            continue;
        const QList<TCsvRecord> again = ReadCsv(CsvRecord(record.Fields));
        Require(again.size() == 1 && again.first().Error.isEmpty() &&
                    again.first().Fields == record.Fields,
                "a record written back reads as the same fields", record.Fields.join('|'));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const TScopedRegionalSettings regional(QLatin1Char('.'));
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<TCsvRecord> records = ReadCsv(text);
    CheckRecords(records);

    // Read as it comes, in pieces of a few bytes, the file gives the same records.
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer pieces(&bytes);
    pieces.open(QIODevice::ReadOnly);
    const QList<TCsvRecord> streamed =
        Streamed(pieces, 1 + static_cast<qint64>(size % 7), &TCsvStream::Next);
    Require(streamed.size() == records.size(), "the stream reads every record",
            QString::number(streamed.size()));
    for (qsizetype i = 0; i < records.size() && i < streamed.size(); ++i)
        Require(streamed[i].Fields == records[i].Fields && streamed[i].Line == records[i].Line &&
                    streamed[i].Error == records[i].Error,
                "the stream reads the records the text gives", QString::number(i));

    // In outline, the same records with the same blank cells.
    const QList<TCsvRecord> outlined =
        Streamed(pieces, 1 + static_cast<qint64>(size % 5), &TCsvStream::NextOutline);
    Require(outlined.size() == records.size(), "an outline reads every record",
            QString::number(outlined.size()));
    for (qsizetype i = 0; i < records.size() && i < outlined.size(); ++i) {
        bool sameBlanks = outlined[i].Fields.size() == records[i].Fields.size();
        for (qsizetype f = 0; sameBlanks && f < records[i].Fields.size(); ++f)
            sameBlanks = outlined[i].Fields[f].isEmpty() ==
                         QStringView(records[i].Fields[f]).trimmed().isEmpty();
        Require(sameBlanks && outlined[i].Line == records[i].Line &&
                    outlined[i].Error == records[i].Error,
                "an outline reads the records the text gives, blank where they are blank",
                QString::number(i));
    }

    pieces.seek(0);
    TBatchTableReader reader(pieces);
    TBatchTable table;
    QString error;
    if (!reader.ReadHeader(table, error)) {
        Require(!error.isEmpty(), "a refused table says why");
        return 0;
    }
    Require(table.Header.size() == table.Options.size(), "each column has its option");
    const TBatchSizer sizer(IniFilePath);
    TCsvRecord tableRow;
    for (qsizetype i = 0; reader.NextRow(tableRow); ++i) {
        QMap<QString, QString> options;
        QStringList added;
        if (!RowOptions(table, tableRow, options, error)) {
            Require(!error.isEmpty(), "a row that does not read says why");
            added = UnsizedBatchRow(2, error);
        } else if (i < SizedRows) {
            added = sizer.SizeRow(options);
        } else {
            continue;
        }
        Require(added.size() == BatchResultColumns().size(), "a row adds every result column");
        const QStringList row = BatchOutputRow(table, tableRow, added);
        Require(row.size() == table.Header.size() + added.size(), "an output row fills the header");
        for (const QString& field : added)
            Require(ShowsOnlyNumbers(field), "results show numbers", field);
    }
    return 0;
}
