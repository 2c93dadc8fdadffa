#include "app/cli/BatchWorkers.h"

#include "app/cli/BatchRow.h"
#include "core/VisibleText.h"

namespace {

constexpr qsizetype SliceRows = 128;
// Slices answered ahead of the one the caller takes, per thread: enough that no thread waits
// for a slow neighbour's slice, few enough that the memory stays small.
constexpr qsizetype SlicesAheadPerThread = 4;

// Reads past `Rows` rows; false at the end of the table.
bool SkipRows(TBatchTableReader& Reader, qsizetype Rows) {
    TCsvRecord row;
    for (qsizetype skipped = 0; skipped < Rows; ++skipped) {
        if (!Reader.NextRowOutline(row))
            return false;
    }
    return true;
}

// Answers up to a slice of rows as they follow: a row that does not read gets its message, the
// others are sized, and each is written out as its line. `Rows` is how many there were.
TAnsweredSlice AnswerRows(TBatchTableReader& Reader, const TBatchTable& Table,
                          const TBatchSizer& Sizer, qsizetype& Rows) {
    static const qsizetype statusColumn = BatchResultColumns().indexOf("status");
    TAnsweredSlice answered;
    QString lines;
    QMap<QString, QString> options;
    QString error;
    TCsvRecord row;
    for (Rows = 0; Rows < SliceRows && Reader.NextRow(row); ++Rows) {
        const bool reads = RowOptions(Table, row, options, error);
        const QStringList added = reads ? Sizer.SizeRow(options) : UnsizedBatchRow(2, error);
        lines += CsvRecord(BatchOutputRow(Table, row, added));
        answered.Sized += reads ? 1 : 0;
        answered.AllSized = answered.AllSized && added[statusColumn] == QLatin1String("0");
    }
    answered.Lines = lines.toUtf8();
    return answered;
}

} // namespace

TBatchWorkers::TBatchWorkers(int Jobs, const QString& TablePath, const QString& IniFilePath)
    : TablePath(TablePath), IniFilePath(IniFilePath), SlicesAhead(SlicesAheadPerThread * Jobs) {
    for (int job = 0; job < Jobs; ++job)
        Threads.emplace_back(&TBatchWorkers::Work, this);
}

TBatchWorkers::~TBatchWorkers() {
    {
        const std::lock_guard lock(Guard);
        Closing = true;
    }
    SliceTaken.notify_all();
    for (std::thread& thread : Threads)
        thread.join();
}

bool TBatchWorkers::Next(TAnsweredSlice& Slice, QString& Error) {
    std::unique_lock lock(Guard);
    SliceAnswered.wait(lock, [this] {
        return !ReadError.isEmpty() || Answered.count(NextToHandBack) > 0 ||
               AllTakenOn(NextToHandBack);
    });
    if (!ReadError.isEmpty()) {
        Error = ReadError;
        return false;
    }
    const auto answered = Answered.find(NextToHandBack);
    if (answered == Answered.end())
        return false;
    Slice = std::move(answered->second);
    Answered.erase(answered);
    ++NextToHandBack;
    lock.unlock();
    SliceTaken.notify_all();
    return true;
}

void TBatchWorkers::Work() {
    QFile input(TablePath);
    std::optional<TBatchTableReader> reader;
    TBatchTable table;
    const QString error = ReadTableAgain(input, reader, table);
    if (!error.isEmpty()) {
        const std::lock_guard lock(Guard);
        ReadError = error;
        SliceAnswered.notify_all();
        return;
    }
    const TBatchSizer sizer(IniFilePath);
    qsizetype rowsRead = 0;
    std::unique_lock lock(Guard);
    while (true) {
        SliceTaken.wait(lock, [this] {
            return Closing || AllTakenOn(NextToTakeOn) ||
                   NextToTakeOn - NextToHandBack < SlicesAhead;
        });
        if (Closing || AllTakenOn(NextToTakeOn))
            return;
        const qsizetype slice = NextToTakeOn++;
        lock.unlock();

        TAnsweredSlice answered;
        qsizetype rows = 0;
        if (SkipRows(*reader, slice * SliceRows - rowsRead))
            answered = AnswerRows(*reader, table, sizer, rows);
        rowsRead = slice * SliceRows + rows;

        lock.lock();
        if (rows < SliceRows) {
            // The table ends in this slice, or before it: threads waiting to take on more stop.
            const qsizetype slices = rows > 0 ? slice + 1 : slice;
            SlicesInTable = SlicesInTable < 0 ? slices : std::min(SlicesInTable, slices);
            SliceTaken.notify_all();
        }
        if (rows > 0)
            Answered.emplace(slice, std::move(answered));
        SliceAnswered.notify_all();
    }
}

QString TBatchWorkers::ReadTableAgain(QFile& Input, std::optional<TBatchTableReader>& Reader,
                                      TBatchTable& Table) const {
    if (!Input.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot read %1: %2.")
            .arg(WithVisibleControlCharacters(TablePath), Input.errorString());
    Reader.emplace(Input);
    QString error;
    if (!Reader->ReadHeader(Table, error))
        return QStringLiteral("%1 changed while it was read: %2")
            .arg(WithVisibleControlCharacters(TablePath), error);
    return {};
}
