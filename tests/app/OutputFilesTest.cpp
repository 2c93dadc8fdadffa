// Every file the command-line tool writes, as a user runs it: written whole or not at all, a
// failed write told with the system's reason, and a name that is no regular file refused before
// any work.

#include "tests/support/FileSizeLimit.h"
#include "tests/support/OperatingPoints.h"
#include "tests/support/SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A writer of the tool: its arguments up to the output file's name, where "TABLE" stands for an
// input table of the operating point; what a new file starts with; and how the writer says it
// could not write the file (%1 the file, %2 the reason).
struct TWriterCase {
    const char* Name;
    QStringList Arguments;
    const char* File;
    QByteArray Start;
    QString NotWritten;
};

const QString CannotWrite = QStringLiteral("Cannot write %1: %2.\n");
const QString ReportNotSaved = QStringLiteral("The report could not be saved as \"%1\": %2.\n");
const QString PdfNotWritten = QStringLiteral("The PDF file \"%1\" could not be written: %2.\n");

const TWriterCase Writers[] = {
    {"Batch", {"select", "--batch", "TABLE", "--out"}, "results.csv", "series,", CannotWrite},
    {"DiagramSvg", QStringList{"diagram"} + VamPoint + QStringList{"--out"}, "diagram.svg", "<?xml",
     CannotWrite},
    {"DiagramPng", QStringList{"diagram"} + VamPoint + QStringList{"--out"}, "diagram.png",
     "\x89PNG", CannotWrite},
    {"ReportOdt", QStringList{"report"} + VamPoint + QStringList{"--out"}, "report.odt", "PK",
     ReportNotSaved},
    {"ReportPdf", QStringList{"report"} + VamPoint + QStringList{"--out"}, "report.pdf", "%PDF-",
     ReportNotSaved},
    {"MotorTablePdf", {"motor-table", "--pdf"}, "motors.pdf", "%PDF-", PdfNotWritten},
};

const QByteArray Previous = "the previous content\n";

struct TRun {
    int Code = -1;
    QString Out;
    QString Err;
};

class OutputFiles : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(Dir.path()).mkdir("out"));
        // Enough rows that the results are larger than the file size limit below.
        QByteArray table = "series,oil,flow,max-oil-temp,air-temp,altitude,heat\n";
        for (int row = 0; row < 12; ++row)
            table += "VAM,ISO VG 46,100,60,30,0,20\n";
        QFile file(Dir.filePath("table.csv"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(table);
    }

    // The output file's name in a folder of its own, so that anything left beside it shows.
    QString Output(const TWriterCase& writer) const {
        return Dir.filePath(QStringLiteral("out/") + writer.File);
    }

    QStringList OutputFolder() const {
        return QDir(Dir.filePath("out"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    TRun Run(const TWriterCase& writer, rlim_t fileSizeLimit = RLIM_INFINITY) const {
        QStringList arguments = writer.Arguments;
        arguments.replaceInStrings(QRegularExpression("^TABLE$"), Dir.filePath("table.csv"));
        QProcess program;
        if (fileSizeLimit != RLIM_INFINITY)
            LimitFileSize(program, fileSizeLimit);
        program.start(AIRCOOLER_CLI, arguments << Output(writer));
        EXPECT_TRUE(program.waitForFinished(60000));
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                CommandWords(QString::fromUtf8(program.readAllStandardError()))};
    }

    // The platform's own notes (a missing runtime directory) are no words of the command.
    static QString CommandWords(const QString& err) {
        QStringList lines = err.split('\n');
        lines.removeIf([](const QString& line) { return line.startsWith("QStandardPaths:"); });
        return lines.join('\n');
    }

    static QByteArray Content(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir Dir;
};

class EachWriter : public OutputFiles, public testing::WithParamInterface<TWriterCase> {};

TEST_P(EachWriter, AFailedWriteKeepsThePreviousFileAndGivesTheSystemsReason) {
    const TWriterCase& writer = GetParam();
    const QString file = Output(writer);
    QFile previous(file);
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
    previous.write(Previous);
    previous.close();

    const TRun failed = Run(writer, 1024);
    EXPECT_EQ(failed.Code, 1);
    EXPECT_TRUE(failed.Err.endsWith(writer.NotWritten.arg(file, "File too large")))
        << failed.Err.toStdString();
    EXPECT_EQ(Content(file), Previous);
    EXPECT_EQ(OutputFolder(), QStringList{writer.File});

    // Without the limit the same run replaces the file whole.
    const TRun written = Run(writer);
    EXPECT_EQ(written.Code, 0) << written.Err.toStdString();
    EXPECT_TRUE(Content(file).startsWith(writer.Start));
    EXPECT_EQ(OutputFolder(), QStringList{writer.File});
}

INSTANTIATE_TEST_SUITE_P(Writers, EachWriter, testing::ValuesIn(Writers),
                         [](const auto& info) { return std::string(info.param.Name); });

class EachWriterOnSpecialFile
    : public OutputFiles,
      public testing::WithParamInterface<std::tuple<TWriterCase, TSpecialFileCase>> {};

TEST_P(EachWriterOnSpecialFile, IsRefusedBeforeAnyWorkAndTheNodeLeftAsItWas) {
    const auto& [writer, special] = GetParam();
    const QString file = Output(writer);
    if (!MakeSpecialFile(special.Kind, file))
        GTEST_SKIP() << "this user may not make " << special.Name << " nodes";
    const TRun run = Run(writer);
    EXPECT_EQ(run.Code, 2);
    // The refusal is all there is to say: no progress, no messages of a sizing.
    EXPECT_EQ(run.Err, writer.NotWritten.arg(file, special.Refusal));
    EXPECT_EQ(run.Out, "");
    EXPECT_TRUE(IsSpecialFile(special.Kind, file));
    EXPECT_EQ(OutputFolder(), QStringList{writer.File});
}

INSTANTIATE_TEST_SUITE_P(Writers, EachWriterOnSpecialFile,
                         testing::Combine(testing::ValuesIn(Writers),
                                          testing::ValuesIn(SpecialFiles)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).Name) +
                                    std::get<1>(info.param).Name;
                         });

} // namespace
