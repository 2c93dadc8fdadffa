#include "app/cli/BatchCommand.h"

#include "app/cli/BatchProgress.h"
#include "app/cli/BatchRow.h"
#include "app/cli/BatchTable.h"
#include "app/cli/BatchWorkers.h"
#include "app/cli/CommandOptions.h"
#include "app/cli/ExitStatus.h"
#include "core/OutputPath.h"
#include "core/VisibleText.h"
#include "core/WholeFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QThread>

#include <memory>

namespace {

constexpr int MostJobs = 64;
const QString StandardStream = QStringLiteral("-");

struct TBatchOptions {
    QString Input;
    QString Output = StandardStream;
    // One thread for each core, unless told otherwise.
    int Jobs = std::clamp(QThread::idealThreadCount(), 1, MostJobs);
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

// The table as a file that can be opened again by its name and read more than once: to count
// its rows for the progress, and by each thread that sizes them. Standard input, a FIFO or a
// device is first copied to a temporary file, a piece at a time.
std::unique_ptr<QFile> OpenInput(const QString& name, QString& error) {
    auto input = std::make_unique<QFile>();
    const bool opened = name == StandardStream
                            ? input->open(stdin, QIODevice::ReadOnly)
                            : (input->setFileName(name), input->open(QIODevice::ReadOnly));
    if (!opened) {
        error = name != StandardStream && !QFileInfo::exists(name)
                    ? QStringLiteral("file not found: %1").arg(WithVisibleControlCharacters(name))
                    : QStringLiteral("Cannot read %1: %2.")
                          .arg(WithVisibleControlCharacters(name), input->errorString());
        return nullptr;
    }
    if (name != StandardStream && !input->isSequential())
        return input;
    auto copy = std::make_unique<QTemporaryFile>();
    if (!copy->open()) {
        error = QStringLiteral("Cannot keep a copy of %1: %2.")
                    .arg(WithVisibleControlCharacters(name), copy->errorString());
        return nullptr;
    }
    constexpr qint64 PieceBytes = 64 * 1024;
    while (true) {
        const QByteArray piece = input->read(PieceBytes);
        if (piece.isEmpty())
            break;
        if (copy->write(piece) != piece.size()) {
            error = QStringLiteral("Cannot keep a copy of %1: %2.")
                        .arg(WithVisibleControlCharacters(name), copy->errorString());
            return nullptr;
        }
    }
    copy->seek(0);
    return copy;
}

// The rows of the table, and of them those that do not read, which are answered at once.
struct TRowCount {
    qsizetype Rows = 0;
    qsizetype Unread = 0;
};

TRowCount CountRows(QFile& input) {
    input.seek(0);
    TBatchTableReader reader(input);
    TBatchTable table;
    QString error;
    TRowCount count;
    if (reader.ReadHeader(table, error)) {
        TCsvRecord row;
        while (reader.NextRowOutline(row)) {
            ++count.Rows;
            count.Unread += RowReads(table, row, error) ? 0 : 1;
        }
    }
    return count;
}

// Where the results go: the standard output as they come, or a file written whole.
class TBatchOutput {
public:
    bool Open(const QString& name, QString& error) {
        ToStandardOutput = name == StandardStream;
        return ToStandardOutput || File.Open(name, error);
    }
    bool Write(const QString& text, QString& error) { return Write(text.toUtf8(), error); }
    bool Write(const QByteArray& bytes, QString& error) {
        return ToStandardOutput ? WriteStandardOutput(bytes, error) : File.Write(bytes, error);
    }
    bool Finish(QString& error) { return ToStandardOutput || File.Commit(error); }

private:
    bool ToStandardOutput = true;
    TWholeFileStream File;
};

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

int RunBatchCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Err,
                    bool ErrIsTerminal) {
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
    const std::unique_ptr<QFile> input = OpenInput(options.Input, error);
    if (!input) {
        Err << error << '\n';
        return 1;
    }
    TBatchTable table;
    if (!TBatchTableReader(*input).ReadHeader(table, error)) {
        Err << WithVisibleControlCharacters(options.Input) << ": " << error << '\n';
        return 1;
    }
    TBatchOutput output;
    if (!output.Open(options.Output, error) ||
        !output.Write(CsvRecord(table.Header + BatchResultColumns()), error)) {
        Err << QStringLiteral("Cannot write %1: %2.\n")
                   .arg(WithVisibleControlCharacters(options.Output), error);
        return 1;
    }

    // The rows are read, sized and written a slice at a time, in their order: the memory a
    // table needs does not grow with its length. The rows are counted for the progress while
    // the first are sized.
    TBatchWorkers workers(options.Jobs, input->fileName(), IniFilePath);
    const TRowCount count = CountRows(*input);
    // The rows that do not read count as done from the start; the others as they are sized.
    TBatchProgress progress(Err, ErrIsTerminal, count.Rows);
    qsizetype done = count.Unread;
    progress.SetDone(done);
    bool allSized = true;
    TAnsweredSlice slice;
    while (workers.Next(slice, error)) {
        allSized = allSized && slice.AllSized;
        for (qsizetype row = 0; row < slice.Sized; ++row)
            progress.SetDone(++done);
        if (!output.Write(slice.Lines, error)) {
            Err << QStringLiteral("Cannot write %1: %2.\n")
                       .arg(WithVisibleControlCharacters(options.Output), error);
            return 1;
        }
    }
    if (!error.isEmpty()) {
        Err << error << '\n';
        return 1;
    }
    progress.Finish();
    if (!output.Finish(error)) {
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
        "  --jobs N      size N rows at a time side by side, in threads of this one process\n"
        "                (1 to 64, default: the number of processor cores)\n"
        "\n"
        "Rows are read, sized and written a slice at a time, in their order, so a table of any\n"
        "length needs no more memory than a short one. Progress goes to the standard error: a\n"
        "bar on a terminal, a line per tenth otherwise.\n"
        "A file --out names is written whole or not at all: until the results are complete, the\n"
        "file stays as it was. A device, a FIFO, a folder or the table being read is refused.\n"
        "\n"
        "A row without a result, like a table that cannot be read, makes the status 1.\n"
        "\n");
    return usage + ExitStatusHelp();
}
