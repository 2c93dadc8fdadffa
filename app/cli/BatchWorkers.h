#pragma once

#include "app/cli/BatchTable.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// The answers of a slice of the table's rows: their output lines in UTF-8, how many of them read
// and were sized (a row that does not read is answered with its message), and whether each was
// sized without fault.
struct TAnsweredSlice {
    QByteArray Lines;
    qsizetype Sized = 0;
    bool AllSized = true;
};

// Sizes the rows of a table in threads, each with a reader of the table, a sizer and a copy of
// the table's columns of its own: the threads share nothing but the count of slices taken on
// and the answers, so no thread waits for another's memory. Each thread reads the table from
// the start, takes on the next slice no thread has taken, reads past the rows before it, sizes
// its rows and writes their lines. The answers come back in the table's order, at most a few
// slices per thread ahead of the one the caller takes, so the memory does not grow with the
// table.
class TBatchWorkers {
public:
    // `TablePath` names a table whose header has been read and found good.
    TBatchWorkers(int Jobs, const QString& TablePath, const QString& IniFilePath);
    ~TBatchWorkers();
    TBatchWorkers(const TBatchWorkers&) = delete;
    TBatchWorkers& operator=(const TBatchWorkers&) = delete;

    // The answers of the next slice; false after the last, or with `Error` when a thread could
    // not read the table.
    bool Next(TAnsweredSlice& Slice, QString& Error);

private:
    void Work();
    // A thread's own reader of the table, past its header; the reason when there is none.
    QString ReadTableAgain(QFile& Input, std::optional<TBatchTableReader>& Reader,
                           TBatchTable& Table) const;
    // Whether the table ends before slice `Slice`, as far as the threads have read.
    bool AllTakenOn(qsizetype Slice) const { return SlicesInTable >= 0 && Slice >= SlicesInTable; }

    const QString TablePath;
    const QString IniFilePath;
    const qsizetype SlicesAhead;
    std::mutex Guard;
    std::condition_variable SliceTaken;    // the caller took a slice: threads may take on more
    std::condition_variable SliceAnswered; // a thread answered a slice, or found the end
    qsizetype NextToTakeOn = 0;
    qsizetype NextToHandBack = 0;
    qsizetype SlicesInTable = -1; // known once a thread reads past the last row
    std::map<qsizetype, TAnsweredSlice> Answered;
    QString ReadError;
    bool Closing = false;
    std::vector<std::thread> Threads;
};
