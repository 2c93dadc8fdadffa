#include "app/cli/BatchCommand.h"

#include "app/cli/BatchProgress.h"
#include "app/cli/BatchRow.h"
#include "app/cli/BatchTable.h"
#include "app/cli/BatchWorkers.h"
#include "app/cli/CommandOptions.h"
#include "app/cli/ExitStatus.h"
#include "core/OutputPath.h"
#include "core/ProfileFile.h"
#include "core/VisibleText.h"
#include "core/WholeFileWriter.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int MostJobs = 64;
const QString StandardStream = QStringLiteral("-");

struct TBatchOptions {
    QString Input;
    QString Output = StandardStream;
    int Jobs = 1;
};

bool ParseBatchArguments(const QStringList& arguments, TBatchOptions& options, QString& error) {
    TCommandOptions given;
    // The operating points are the rows of the table, so select's own options are unknown here.
    if (!CollectOptions(arguments, {"--batch", "--out", "--jobs"}, {}, given, error))
        return false;
    options.Input = given.Values.value("--batch");
    options.Output = given.Values.value("--out", StandardStream);
    if (given.Values.contains("--jobs")) {
        const QString jobs = given.Values.value("--jobs");
        bool number = false;
        options.Jobs = jobs.toInt(&number);
        if (!number || options.Jobs < 1 || options.Jobs > MostJobs) {
            error = QStringLiteral("--jobs is a whole number from 1 to %1, not \"%2\".")
                        .arg(MostJobs)
                        .arg(EchoedValue(jobs));
            return false;
        }
    }
    if (options.Input.isEmpty()) {
        error = QStringLiteral("--batch needs a file, or - for standard input.");
        return false;
    }
    return true;
}

bool ReadInput(const QString& name, QByteArray& bytes, QString& error) {
    QFile file;
    const bool opened = name == StandardStream
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(name), file.open(QIODevice::ReadOnly));
    if (!opened) {
        error = name != StandardStream && !QFileInfo::exists(name)
                    ? QStringLiteral("file not found: %1").arg(WithVisibleControlCharacters(name))
                    : QStringLiteral("Cannot read %1: %2.")
                          .arg(WithVisibleControlCharacters(name), file.errorString());
        return false;
    }
    bytes = file.readAll();
    return true;
}

bool WriteOutput(const QString& name, const QByteArray& bytes, QString& error) {
    return name == StandardStream ? WriteStandardOutput(bytes, error)
                                  : WriteWholeFile(name, bytes, error);
}

// A file to write that cannot be meant is refused before the rows are sized: a device or a
// folder, or the table being read, which the results would replace.
bool CheckOutput(const TBatchOptions& options, QString& error) {
    if (options.Output == StandardStream)
        return true;
    const QString refusal = OutputPathRefusal(options.Output);
    if (!refusal.isEmpty()) {
        error = QStringLiteral("Cannot write %1: %2.")
                    .arg(WithVisibleControlCharacters(options.Output), refusal);
        return false;
    }
    const bool sameFile = options.Input == StandardStream
                              ? IsStandardInput(options.Output)
                              : IsSameFile(options.Input, options.Output);
    if (sameFile) {
        error = QStringLiteral("Cannot write %1: it is the table being read (%2); the results "
                               "go to another file.")
                    .arg(WithVisibleControlCharacters(options.Output),
                         WithVisibleControlCharacters(options.Input));
        return false;
    }
    return true;
}

} // namespace

bool IsBatchRequest(const QStringList& Arguments) {
    for (const QString& argument : Arguments) {
        if (argument == "--batch" || argument.startsWith("--batch="))
            return true;
    }
    return false;
}

int RunBatchCommand(const QStringList& Arguments, const QString& IniFilePath,
                    const QString& WorkerProgram, QTextStream& Err, bool ErrIsTerminal) {
    TBatchOptions options;
    QString error;
    if (!ParseBatchArguments(Arguments, options, error)) {
        Err << error << "\nRun \"aircooler-cli select --help\" for the arguments.\n";
        return 2;
    }
    if (!CheckOutput(options, error)) {
        Err << error << '\n';
        return 2;
    }
    // The table is a file like any other: one that cannot be read, or read as a table, ends the
    // run as a data fault would.
    QByteArray input;
    if (!ReadInput(options.Input, input, error)) {
        Err << error << '\n';
        return 1;
    }
    TBatchTable table;
    if (!ReadBatchTable(QString::fromUtf8(input), table, error)) {
        Err << WithVisibleControlCharacters(options.Input) << ": " << error << '\n';
        return 1;
    }

    // Rows that do not read are answered at once; the others are sized, here or by workers.
    QList<QStringList> added(table.Rows.size());
    QList<qsizetype> sizedRows;
    QList<QStringList> sizedArguments;
    for (qsizetype i = 0; i < table.Rows.size(); ++i) {
        QStringList arguments;
        if (RowArguments(table, table.Rows[i], arguments, error)) {
            sizedRows.append(i);
            sizedArguments.append(arguments);
        } else {
            added[i] = UnsizedBatchRow(2, error);
        }
    }
    TBatchProgress progress(Err, ErrIsTerminal, table.Rows.size());
    const qsizetype unread = table.Rows.size() - sizedRows.size();
    progress.SetDone(unread);
    const int jobs = static_cast<int>(std::min<qsizetype>(options.Jobs, sizedRows.size()));
    if (jobs > 1) {
        QList<TCsvRecord> rows;
        for (qsizetype i : sizedRows)
            rows.append(table.Rows[i]);
        const QList<QStringList> results =
            SizeInWorkers(WorkerProgram, table, rows, jobs, unread, progress, Err);
        for (qsizetype k = 0; k < sizedRows.size(); ++k)
            added[sizedRows[k]] = results[k];
    } else {
        const TProfileFileCache readOnce;
        for (qsizetype k = 0; k < sizedRows.size(); ++k) {
            added[sizedRows[k]] = SizeBatchRow(sizedArguments[k], IniFilePath);
            progress.SetDone(unread + k + 1);
        }
    }
    progress.Finish();

    QString output = CsvRecord(table.Header + BatchResultColumns());
    const qsizetype statusColumn = BatchResultColumns().indexOf("status");
    bool allSized = true;
    for (qsizetype i = 0; i < table.Rows.size(); ++i) {
        output += CsvRecord(BatchOutputRow(table, table.Rows[i], added[i]));
        allSized = allSized && added[i][statusColumn] == "0";
    }
    if (!WriteOutput(options.Output, output.toUtf8(), error)) {
        Err << QStringLiteral("Cannot write %1: %2.\n")
                   .arg(WithVisibleControlCharacters(options.Output), error);
        return 1;
    }
    return allSized ? 0 : 1;
}

QString BatchUsage() {
    const QString usage = QStringLiteral(
        "\n"
        "Usage: aircooler-cli select --batch FILE.csv [--out FILE.csv] [--jobs N]\n"
        "\n"
        "Sizes every row of a table of operating points exactly as a single select run sizes\n"
        "it. The first line names the columns after the options above, without dashes:\n"
        "series, oil, flow, flow-unit, max-oil-temp, oil-temp-unit, air-temp, air-temp-unit,\n"
        "altitude, altitude-unit, heat, heat-unit, and optionally model and language, in any\n"
        "order. An empty cell is an option not given: a missing unit is the default, and a\n"
        "VCS row leaves its flow empty, since each system runs at its own pump's flow.\n"
        "\n"
        "The output repeats each row and adds: chosen (the model the results belong to),\n"
        "OilTempInStr, OilTempOutStr, AirTempOutStr, HeatLoadStr, PressureDropStr, AirFlowStr,\n"
        "MotorCapacityStr, NoiseLevelStr, ProtectionStr (the texts of select --json),\n"
        "candidates (joined by \"; \"), status (the exit status of a single run) and messages\n"
        "(joined by \" | \"). A row that cannot be sized says why in its own line; the others\n"
        "go on. An empty line or a row of blank cells is skipped, and a cell longer than 64 KiB\n"
        "is refused on its own row. Files are comma-separated values in UTF-8 (RFC 4180:\n"
        "quoted fields may hold commas, quotes written twice and line breaks); \"-\" is\n"
        "standard input or output.\n"
        "\n"
        "  --out FILE    where the results go (default: standard output)\n"
        "  --jobs N      size in N processes side by side (1 to 64, default 1)\n"
        "\n"
        "Progress goes to the standard error: a bar on a terminal, a line per tenth otherwise.\n"
        "A file --out names is written whole or not at all: until the results are complete, the\n"
        "file stays as it was. A device, a FIFO, a folder or the table being read is refused.\n"
        "\n"
        "A row without a result, like a table that cannot be read, makes the status 1.\n"
        "\n");
    return usage + ExitStatusHelp();
}
