#include "app/cli/BatchCommand.h"
#include "app/cli/BatchRow.h"
#include "app/cli/BatchWorkers.h"
#include "app/cli/SelectCommand.h"
#include "core/Csv.h"
#include "core/RegionalSettings.h"
#include "tests/support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QString ShippedIniFiles = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");

const QStringList Header{"series",       "oil",           "flow",     "flow-unit",
                         "max-oil-temp", "oil-temp-unit", "air-temp", "air-temp-unit",
                         "altitude",     "altitude-unit", "heat",     "heat-unit",
                         "model",        "language"};

// Operating points over every series and every unit of the page, as an engineer's table has
// them: units left empty, a decimal comma (with four decimals, since a comma before exactly
// three digits may be a thousands separator), a chosen model, a language, rows without a result.
const QList<QStringList> Rows{
    {"VAM", "ISO VG 46", "100", "l/min", "60", "°C", "30", "°C", "0", "m", "20", "kW", "", ""},
    {"VAM", "ISO VG 46", "6", "m³/h", "60", "C", "30", "C", "0", "m", "20000", "W", "", ""},
    {"VAM", "ISO VG 68", "1,4830", "kg/s", "140", "°F", "86", "°F", "1000", "ft", "17200",
     "kcal/hr", "", ""},
    {"vam", "iso vg 46", "211.9", "ft³/h", "60", "", "30", "", "0", "", "68240", "Btu/hr", "", ""},
    {"VDM", "ISO VG 32", "40", "l/min", "55", "°C", "25", "°C", "300", "m", "3.5", "kW", "", ""},
    {"VDM", "ISO VG 32", "10.6", "US gpm", "55", "", "25", "", "300", "", "4.7", "HP", "", ""},
    {"VHM", "ISO VG 68", "40", "US gpm", "160", "°F", "95", "°F", "1500", "ft", "150000", "Btu/hr",
     "", "GERMAN"},
    {"VHM", "ISO VG 100", "12000", "lb/h", "70", "°C", "20", "°C", "2000", "m", "60", "kW", "", ""},
    {"VCS", "ISO VG 46", "", "", "65", "°C", "35", "°C", "0", "m", "30", "kW", "", ""},
    {"VCS", "ISO VG 46", "", "US gpm", "60", "", "30", "", "0", "", "16", "kW", "", "FRANCE"},
    {"VAM", "ISO VG 46", "100", "", "60", "", "30", "", "0", "", "20", "", "KVAM 400-B", ""},
    {"VCS", "ISO VG 46", "39.6", "", "60", "", "30", "", "0", "", "16", "", "KVCS 250-D-A", ""},
    {"VAM", "ISO VG 46", "100", "", "60", "", "30", "", "0", "", "500", "", "", ""},
    {"VAM", "ISO VG 46", "100", "gal/h", "60", "", "30", "", "0", "", "20", "", "", ""},
    {"VCS", "ISO VG 46", "60", "", "60", "", "30", "", "0", "", "16", "", "", ""},
};

QString Table(const QStringList& header, const QList<QStringList>& rows) {
    QString text = CsvRecord(header);
    for (const QStringList& row : rows)
        text += CsvRecord(row);
    return text;
}

// What the output says of a row, by the single select run the row stands for.
QStringList SingleRun(const QStringList& row) {
    QStringList arguments;
    for (qsizetype i = 0; i < Header.size(); ++i) {
        if (!row[i].isEmpty())
            arguments << "--" + Header[i] << row[i];
    }
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status =
        RunSelectCommand(arguments << "--json", ShippedIniFiles, outStream, errStream);
    outStream.flush();
    errStream.flush();
    const QJsonObject document = QJsonDocument::fromJson(out.toUtf8()).object();
    const QJsonObject results = document["results"].toObject();
    QStringList expected = row;
    expected << document["model"].toString();
    for (const char* key :
         {"OilTempInStr", "OilTempOutStr", "AirTempOutStr", "HeatLoadStr", "PressureDropStr",
          "AirFlowStr", "MotorCapacityStr", "NoiseLevelStr", "ProtectionStr"})
        expected << results[key].toString();
    QStringList candidates;
    for (const QJsonValue& candidate : document["candidates"].toArray())
        candidates << candidate["model"].toString();
    QStringList messages;
    for (const QJsonValue& message : document["messages"].toArray())
        messages << message.toString();
    // Arguments that do not read give no JSON: the message is the first line on the terminal.
    if (status == 2)
        messages << err.split('\n').first();
    return expected << candidates.join("; ") << QString::number(status) << messages.join(" | ");
}

struct TBatchRun {
    int Code;
    QList<TCsvRecord> Output;
    QString Err;
};

class BatchCommand : public testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = Dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    TBatchRun Run(const QByteArray& table, QStringList more = {}) {
        const QString input = Write("in.csv", table);
        const QString output = Dir.filePath("out.csv");
        QFile::remove(output);
        QString err;
        QTextStream errStream(&err);
        const int code = RunBatchCommand(QStringList{"--batch", input, "--out", output} + more,
                                         ShippedIniFiles, errStream, false);
        errStream.flush();
        QFile written(output);
        const QString text =
            written.open(QIODevice::ReadOnly) ? QString::fromUtf8(written.readAll()) : QString();
        return {code, ReadCsv(text), err};
    }

    TScopedRegionalSettings Point{QLatin1Char('.')};
    QTemporaryDir Dir;
};

TEST_F(BatchCommand, EachRowIsSizedExactlyAsASingleRun) {
    const TBatchRun run = Run(Table(Header, Rows).toUtf8());
    EXPECT_EQ(run.Code, 1); // the rows without a result
    ASSERT_EQ(run.Output.size(), Rows.size() + 1);
    EXPECT_EQ(run.Output[0].Fields, Header + BatchResultColumns());
    int sized = 0;
    for (qsizetype i = 0; i < Rows.size(); ++i) {
        SCOPED_TRACE(Rows[i].join(',').toStdString());
        const QStringList expected = SingleRun(Rows[i]);
        EXPECT_EQ(run.Output[i + 1].Fields, expected);
        sized += expected[Header.size() + BatchResultColumns().indexOf("status")] == "0";
    }
    // All but the three rows built to fail have their results.
    EXPECT_EQ(sized, Rows.size() - 3);
    EXPECT_TRUE(run.Err.endsWith(QStringLiteral("sized %1 of %1 rows\n").arg(Rows.size())))
        << run.Err.toStdString();
}

// Threads take the rows a slice at a time: over many slices, with blank lines and broken rows
// between the points and tables ending on a slice's last row or just after it, the rows come back
// as one thread answers them, each in its place.
TEST_F(BatchCommand, RowsOverManySlicesComeBackInTheirOrderWithAnyNumberOfThreads) {
    for (const int rows : {128, 129, 3 * 128 + 5}) {
        SCOPED_TRACE(rows);
        QByteArray table = CsvRecord(Header).toUtf8();
        QList<QStringList> expected;
        while (expected.size() < rows) {
            const qsizetype i = expected.size();
            if (i % 50 == 7)
                table += "\r\n , ,,,,,,,,,,,,\r\n";
            if (i % 97 == 3) {
                table += "VAM,ISO \"VG\" 46,100\r\nVAM,ISO VG 46,100\r\n";
                expected.append({"VAM"});
                expected.append({"VAM", "ISO VG 46", "100"});
                continue;
            }
            expected.append(Rows[i % Rows.size()]);
            table += CsvRecord(expected.last()).toUtf8();
        }
        const TBatchRun oneThread = Run(table, {"--jobs", "1"});
        ASSERT_EQ(oneThread.Output.size(), rows + 1);
        for (int i = 0; i < rows; ++i)
            EXPECT_EQ(oneThread.Output[i + 1].Fields.mid(0, expected[i].size()), expected[i]) << i;
        EXPECT_TRUE(oneThread.Err.endsWith(QStringLiteral("sized %1 of %1 rows\n").arg(rows)));
        for (const char* jobs : {"2", "3"}) {
            const TBatchRun threads = Run(table, {"--jobs", QString::fromLatin1(jobs)});
            EXPECT_EQ(threads.Code, oneThread.Code);
            EXPECT_EQ(threads.Err, oneThread.Err);
            ASSERT_EQ(threads.Output.size(), oneThread.Output.size());
            for (int i = 0; i <= rows; ++i)
                EXPECT_EQ(threads.Output[i].Fields, oneThread.Output[i].Fields) << jobs << ' ' << i;
        }
    }
}

// The threads read the table again by its name: a table gone by then ends the run with the
// reason, not with rows missing.
TEST(BatchWorkers, ATableThatCannotBeReadAgainIsTold) {
    const QTemporaryDir dir;
    TBatchWorkers workers(2, dir.filePath("gone.csv"), ShippedIniFiles);
    TAnsweredSlice slice;
    QString error;
    EXPECT_FALSE(workers.Next(slice, error));
    EXPECT_TRUE(error.startsWith("Cannot read " + dir.filePath("gone.csv"))) << error.toStdString();
}

TEST_F(BatchCommand, ABrokenRowGetsItsOwnMessageAndTheOthersGoOn) {
    const QByteArray table = "series,oil,flow,max-oil-temp,air-temp,altitude,heat\r\n"
                             "VAM,ISO VG 46,100,60,30,0,20\r\n"
                             "VAM,\"ISO VG 46\",100,60\r\n"
                             "VAM,ISO \"VG\" 46,100,60,30,0,20\r\n"
                             "VAM,ISO VG 46,hundred,60,30,0,20\r\n"
                             "VDM,ISO VG 32,40,55,25,300,\"3,5\"\r\n"
                             "VAM,ISO VG 46,100,60,30,0,\"68,200\"\r\n"
                             "VAM,ISO VG 46,100,60,30,0,\"20,0000\"\r\n";
    const TBatchRun run = Run(table);
    EXPECT_EQ(run.Code, 1);
    ASSERT_EQ(run.Output.size(), 8);
    const qsizetype status = 7 + BatchResultColumns().indexOf("status");
    const qsizetype messages = 7 + BatchResultColumns().indexOf("messages");
    QStringList statuses;
    for (qsizetype row = 1; row < run.Output.size(); ++row)
        statuses.append(run.Output[row].Fields[status]);
    EXPECT_EQ(statuses, (QStringList{"0", "2", "2", "2", "0", "2", "0"}));
    EXPECT_EQ(run.Output[2].Fields[messages], "line 3: 4 cells where the header names 7 columns");
    // The short row is repeated as far as it goes.
    EXPECT_EQ(run.Output[2].Fields.mid(0, 7),
              (QStringList{"VAM", "ISO VG 46", "100", "60", "", "", ""}));
    EXPECT_TRUE(run.Output[3].Fields[messages].startsWith("line 4: a quote inside a field"));
    EXPECT_EQ(run.Output[4].Fields[messages], "--flow: hundred ?");
    EXPECT_EQ(run.Output[5].Fields[7], "KVDM 175");
    // A comma before exactly three digits may be a thousands separator: the cell is refused.
    EXPECT_EQ(run.Output[6].Fields[messages], "--heat: 68,200 ? Write 68200 or 68.2");
    EXPECT_EQ(run.Output[6].Fields[7], "");
    EXPECT_EQ(run.Output[7].Fields[7], "KVAM 350-B");
}

// A pasted page in a cell costs its own row and a message of one line; a row of blank cells
// is no operating point and is left out like an empty line.
TEST_F(BatchCommand, OversizedCellsAndBlankRows) {
    const QByteArray point = "VAM,ISO VG 46,100,60,30,0,20\r\n";
    const QByteArray table = "series,oil,flow,max-oil-temp,air-temp,altitude,heat\r\n" + point +
                             "VAM,ISO VG 46," + QByteArray(70 * 1024, '9') + ",60,30,0,20\r\n" +
                             ",,,,,,\r\n" + " , ,\t,,,,\r\n" + "VAM,ISO VG 46," +
                             QByteArray(1000, 'x') + ",60,30,0,20\r\n" + point;
    const TBatchRun run = Run(table);
    EXPECT_EQ(run.Code, 1);
    ASSERT_EQ(run.Output.size(), 5);
    const qsizetype status = 7 + BatchResultColumns().indexOf("status");
    const qsizetype messages = 7 + BatchResultColumns().indexOf("messages");
    EXPECT_EQ(run.Output[1].Fields[status], "0");
    EXPECT_EQ(run.Output[2].Fields[status], "2");
    EXPECT_EQ(run.Output[2].Fields[messages], "line 3: a cell is longer than 64 KiB");
    EXPECT_EQ(run.Output[2].Fields[2], "");
    EXPECT_EQ(run.Output[3].Fields[messages], "--flow: " + QString(80, 'x') + "... ?");
    EXPECT_EQ(run.Output[4].Fields[status], "0");
    EXPECT_EQ(run.Output[4].Fields.mid(0, 7), run.Output[1].Fields.mid(0, 7));
}

TEST_F(BatchCommand, QuotedFieldsAndLineEndsReadAsWritten) {
    // The same two rows with LF and with CR LF line ends, quoted and plain.
    const QByteArray lf = "series,oil,flow,max-oil-temp,air-temp,altitude,heat,model\n"
                          "\"VAM\",\"ISO VG 46\",\"100,0\",60,30,0,20,\n"
                          "VAM,ISO VG 46,100,60,30,0,20,\"KVAM 400-B\"\n";
    QByteArray crlf = lf;
    crlf.replace("\n", "\r\n");
    const TBatchRun plain = Run(lf);
    const TBatchRun windows = Run(crlf);
    ASSERT_EQ(plain.Output.size(), 3);
    EXPECT_EQ(plain.Code, 0) << plain.Err.toStdString();
    const qsizetype chosen = 8;
    EXPECT_EQ(plain.Output[1].Fields[2], "100,0");
    EXPECT_EQ(plain.Output[1].Fields[chosen], "KVAM 350-B");
    EXPECT_EQ(plain.Output[2].Fields[chosen], "KVAM 400-B");
    ASSERT_EQ(windows.Output.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(windows.Output[i].Fields, plain.Output[i].Fields);
}

TEST_F(BatchCommand, TablesWithoutRowsAndTablesThatDoNotRead) {
    const TBatchRun headerOnly = Run("series,oil,flow,max-oil-temp,air-temp,altitude,heat\r\n");
    EXPECT_EQ(headerOnly.Code, 0);
    ASSERT_EQ(headerOnly.Output.size(), 1);
    EXPECT_EQ(headerOnly.Output[0].Fields.size(), 7 + BatchResultColumns().size());
    EXPECT_EQ(headerOnly.Err, "sized 0 of 0 rows\n");

    // A table that does not read is a file fault (1); arguments are refused before any work (2).
    const struct {
        const char* Name;
        QByteArray Table;
        QStringList More;
        int Code;
        const char* Err;
    } refused[] = {
        {"Empty", "", {}, 1, "The table is empty: its first line names the columns"},
        {"BlankLinesOnly", "\r\n\r\n", {}, 1, "The table is empty"},
        {"UnknownColumn", "series,oil,temperature\n", {}, 1, "Unknown column \"temperature\""},
        {"RepeatedColumn", "series,Series\n", {}, 1, "The column \"series\" is given twice."},
        {"HeaderDoesNotRead", "series,\"oil\n", {}, 1, "The header does not read"},
        {"OtherOption", "series\n", {"--json"}, 2, "Unknown argument \"--json\""},
        {"NoJobs", "series\n", {"--jobs", "0"}, 2, "--jobs is a whole number from 1 to 64"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.Name);
        const TBatchRun run = Run(c.Table, c.More);
        EXPECT_EQ(run.Code, c.Code);
        EXPECT_TRUE(run.Err.contains(c.Err)) << run.Err.toStdString();
        EXPECT_TRUE(run.Output.isEmpty());
    }

    QString err;
    QTextStream errStream(&err);
    const QString missing = Dir.filePath("missing.csv");
    EXPECT_EQ(RunBatchCommand({"--batch", missing}, ShippedIniFiles, errStream, false), 1);
    errStream.flush();
    EXPECT_EQ(err, "file not found: " + missing + "\n");
}

// The table named again as the output, by any spelling, would lose the table: refused before any
// row is sized, the table left as it was.
TEST_F(BatchCommand, TheInputTableIsNeverTheOutput) {
    const QByteArray table = "series,oil,flow,max-oil-temp,air-temp,altitude,heat\n"
                             "VAM,ISO VG 46,100,60,30,0,20\n";
    const QString input = Write("in.csv", table);
    ASSERT_TRUE(QFile::link(input, Dir.filePath("link.csv")));
    ASSERT_EQ(link(QFile::encodeName(input).constData(),
                   QFile::encodeName(Dir.filePath("hard.csv")).constData()),
              0);
    ASSERT_TRUE(QDir(Dir.path()).mkdir("sub"));
    for (const QString& output : {QStringLiteral("./in.csv"), QStringLiteral("sub/../in.csv"),
                                  input, QStringLiteral("link.csv"), QStringLiteral("hard.csv")}) {
        SCOPED_TRACE(output.toStdString());
        QProcess program;
        program.setWorkingDirectory(Dir.path());
        program.start(AIRCOOLER_CLI, {"select", "--batch", "in.csv", "--out", output});
        ASSERT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.exitCode(), 2);
        EXPECT_EQ(QString::fromUtf8(program.readAllStandardError()),
                  "Cannot write " + output +
                      ": it is the table being read (in.csv); the results go to another file.\n");
        EXPECT_EQ(program.readAllStandardOutput(), "");
        QFile kept(input);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), table);
    }
}

// The same holds for a table that comes on the standard input from the file the output names.
TEST_F(BatchCommand, AStandardInputReadFromTheOutputFileIsRefused) {
    const QByteArray table = "series,oil,flow,max-oil-temp,air-temp,altitude,heat\n"
                             "VAM,ISO VG 46,100,60,30,0,20\n";
    const QString input = Write("in.csv", table);
    QProcess program;
    program.setStandardInputFile(input);
    program.start(AIRCOOLER_CLI, {"select", "--batch", "-", "--out", input});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_EQ(QString::fromUtf8(program.readAllStandardError()),
              "Cannot write " + input +
                  ": it is the table being read (-); the results go to another file.\n");
    QFile kept(input);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), table);
}

// The standard output cannot be replaced whole, but a write to it that fails is told all the
// same, with the system's reason.
TEST_F(BatchCommand, AStandardOutputThatCannotBeWrittenIsToldWithTheReason) {
    const QString input = Write("in.csv", Table(Header, Rows).toUtf8());
    QProcess program;
    program.setStandardOutputFile(Dir.filePath("redirected.csv"));
    LimitFileSize(program, 1024);
    program.start(AIRCOOLER_CLI, {"select", "--batch", input, "--out", "-"});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 1);
    const QString err = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(err.endsWith("Cannot write -: File too large.\n")) << err.toStdString();
}

// The program as a user runs it: standard input and output, and jobs side by side.
TEST_F(BatchCommand, WorkerProcessesWriteTheSameRowsInInputOrder) {
    QList<QStringList> rows;
    for (int copy = 0; copy < 3; ++copy)
        rows += Rows;
    const QByteArray table = Table(Header, rows).toUtf8();
    QByteArray outputs[2];
    for (int jobs : {1, 2}) {
        SCOPED_TRACE(jobs);
        QProcess program;
        program.start(AIRCOOLER_CLI,
                      {"select", "--batch", "-", "--jobs", QString::number(jobs), "--out", "-"});
        program.write(table);
        program.closeWriteChannel();
        ASSERT_TRUE(program.waitForFinished(120000));
        EXPECT_EQ(program.exitCode(), 1);
        outputs[jobs - 1] = program.readAllStandardOutput();
        const QString err = QString::fromUtf8(program.readAllStandardError());
        EXPECT_TRUE(err.endsWith(QStringLiteral("sized %1 of %1 rows\n").arg(rows.size())))
            << err.toStdString();
    }
    EXPECT_EQ(outputs[1], outputs[0]);
    const QList<TCsvRecord> records = ReadCsv(QString::fromUtf8(outputs[0]));
    ASSERT_EQ(records.size(), rows.size() + 1);
    for (qsizetype i = 0; i < rows.size(); ++i)
        EXPECT_EQ(records[i + 1].Fields.mid(0, Header.size()), rows[i]);
}

} // namespace
