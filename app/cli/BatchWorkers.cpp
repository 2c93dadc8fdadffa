#include "app/cli/BatchWorkers.h"

#include "app/cli/BatchRow.h"

#include <QEventLoop>
#include <QProcess>

#include <memory>
#include <vector>

namespace {

struct TWorker {
    QProcess Process;
    qsizetype First = 0; // the worker's slice of the rows
    qsizetype Count = 0;
    qsizetype Sized = 0;
    QByteArray Said; // standard error up to its last complete line
};

QByteArray SliceTable(const TBatchTable& Table, const QList<TCsvRecord>& Rows, qsizetype First,
                      qsizetype Count) {
    QString text = CsvRecord(Table.Header);
    for (qsizetype i = First; i < First + Count; ++i)
        text += CsvRecord(Rows[i].Fields);
    return text.toUtf8();
}

// The added fields of the worker's rows, or an empty list when its output is not all there.
QList<QStringList> AddedFields(TWorker& worker, const TBatchTable& Table) {
    if (worker.Process.exitStatus() != QProcess::NormalExit || worker.Process.exitCode() > 1)
        return {};
    QList<TCsvRecord> records = ReadCsv(QString::fromUtf8(worker.Process.readAllStandardOutput()));
    const qsizetype width = Table.Header.size() + BatchResultColumns().size();
    if (records.size() != worker.Count + 1)
        return {};
    QList<QStringList> added;
    for (qsizetype i = 1; i < records.size(); ++i) {
        if (!records[i].Error.isEmpty() || records[i].Fields.size() != width)
            return {};
        added.append(records[i].Fields.mid(Table.Header.size()));
    }
    return added;
}

} // namespace

QList<QStringList> SizeInWorkers(const QString& Program, const TBatchTable& Table,
                                 const QList<TCsvRecord>& Rows, int Jobs, qsizetype Before,
                                 TBatchProgress& Progress, QTextStream& Err) {
    std::vector<std::unique_ptr<TWorker>> workers;
    QEventLoop loop;
    int running = 0;
    auto stopped = [&] {
        if (--running == 0)
            loop.quit();
    };
    auto listen = [&](TWorker& worker) {
        worker.Said += worker.Process.readAllStandardError();
        qsizetype end;
        while ((end = worker.Said.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(worker.Said.left(end));
            worker.Said.remove(0, end + 1);
            if (const qsizetype sized = TBatchProgress::SizedCount(line); sized >= 0) {
                worker.Sized = sized;
                qsizetype done = Before;
                for (const auto& each : workers)
                    done += each->Sized;
                Progress.SetDone(done);
            } else {
                Err << line << '\n';
            }
        }
    };

    const qsizetype slice = (Rows.size() + Jobs - 1) / Jobs;
    for (qsizetype first = 0; first < Rows.size(); first += slice) {
        auto worker = std::make_unique<TWorker>();
        TWorker& w = *worker;
        w.First = first;
        w.Count = std::min(slice, Rows.size() - first);
        QObject::connect(&w.Process, &QProcess::readyReadStandardError, &loop,
                         [&listen, &w] { listen(w); });
        QObject::connect(&w.Process, &QProcess::finished, &loop, stopped);
        QObject::connect(&w.Process, &QProcess::errorOccurred, &loop,
                         [&stopped](QProcess::ProcessError error) {
                             if (error == QProcess::FailedToStart)
                                 stopped();
                         });
        workers.push_back(std::move(worker));
        ++running;
        w.Process.start(Program, {"select", "--batch", "-", "--out", "-"});
        w.Process.write(SliceTable(Table, Rows, w.First, w.Count));
        w.Process.closeWriteChannel();
    }
    if (running > 0)
        loop.exec();
    for (const auto& worker : workers) {
        listen(*worker);
        if (!worker->Said.isEmpty())
            Err << QString::fromUtf8(worker->Said) << '\n';
    }

    QList<QStringList> added;
    for (const auto& worker : workers) {
        QList<QStringList> fields = AddedFields(*worker, Table);
        if (fields.isEmpty()) {
            const QString message =
                QStringLiteral("not sized: the worker process for these rows failed (%1)")
                    .arg(worker->Process.error() == QProcess::FailedToStart
                             ? worker->Process.errorString()
                             : QStringLiteral("exit code %1").arg(worker->Process.exitCode()));
            fields = QList<QStringList>(worker->Count, UnsizedBatchRow(1, message));
        }
        added += fields;
    }
    return added;
}
