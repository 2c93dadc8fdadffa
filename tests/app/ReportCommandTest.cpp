#include "app/cli/ReportArguments.h"
#include "tests/support/OperatingPoints.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ArgumentCase {
    const char* Name;
    QStringList Arguments;
    QString Error; // empty: read
};

class ReportArguments : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(ReportArguments, ReadOrRefusedWithTheReason) {
    const ArgumentCase& c = GetParam();
    TReportRequest request;
    QString error;
    EXPECT_EQ(ParseReportArguments(VamPoint + c.Arguments, request, error), c.Error.isEmpty());
    EXPECT_EQ(error, c.Error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportArguments,
    ::testing::Values(
        ArgumentCase{"Odt", {"--out", "a.odt"}, ""},
        ArgumentCase{"PdfInCapitals", {"--out=A.PDF", "--report-language", "spanish"}, ""},
        ArgumentCase{
            "ReferenceThatLooksLikeAnOption", {"--your-ref", "--out", "--out", "a.odt"}, ""},
        ArgumentCase{"OutMissing", {}, "--out is required: the .odt or .pdf file to write."},
        ArgumentCase{"OtherFormat",
                     {"--out", "a.docx"},
                     "--out names \"a.docx\": the file must end in .odt or .pdf."},
        ArgumentCase{"Json",
                     {"--out", "a.odt", "--json"},
                     "--json is no argument of report: the report is a document."},
        ArgumentCase{"UnknownLanguage",
                     {"--out", "a.odt", "--report-language", "Klingon"},
                     "Unknown report language \"Klingon\": use one of ENGLISH, US_ENGLISH, "
                     "AUS_ENGLISH, GERMAN, DUTCH, FRANCE, POLISH, SWEDISH, SPANISH, DANISH, "
                     "ITALIAN, NORWEGIAN."},
        ArgumentCase{"LanguageWithoutTexts",
                     {"--out", "a.odt", "--report-language", "FINNISH"},
                     "Unknown report language \"FINNISH\": use one of ENGLISH, US_ENGLISH, "
                     "AUS_ENGLISH, GERMAN, DUTCH, FRANCE, POLISH, SWEDISH, SPANISH, DANISH, "
                     "ITALIAN, NORWEGIAN."},
        ArgumentCase{"LongReference",
                     {"--out", "a.odt", "--our-ref", QString(51, QLatin1Char('r'))},
                     "--our-ref takes at most 50 characters; \"" + QString(51, QLatin1Char('r')) +
                         "\" has 51."},
        // Characters, not UTF-16 units, are counted; a control character is quoted escaped.
        ArgumentCase{
            "EmojiReferenceOfFiftyOne",
            {"--out", "a.odt", "--your-ref", QString::fromUtf8("\xF0\x9F\x98\x80").repeated(51)},
            "--your-ref takes at most 50 characters; \"" +
                QString::fromUtf8("\xF0\x9F\x98\x80").repeated(51) + "\" has 51."},
        ArgumentCase{"ReferenceWithATab",
                     {"--out", "a.odt", "--your-ref", "A\t" + QString(50, QLatin1Char('r'))},
                     "--your-ref takes at most 50 characters; \"A\\x09" +
                         QString(50, QLatin1Char('r')) + "\" has 52."},
        ArgumentCase{"TwiceGiven", {"--out", "a.odt", "--out", "b.odt"}, "--out is given twice."},
        ArgumentCase{"SelectionStillChecked",
                     {"--out", "a.odt", "--oil", "water"},
                     "--oil is given twice."}),
    [](const auto& info) { return info.param.Name; });

TEST(ReportArguments, TheValuesReachTheRequest) {
    TReportRequest request;
    QString error;
    ASSERT_TRUE(ParseReportArguments(VamPoint + QStringList{"--your-ref", "Press 4",
                                                            "--our-ref=Q-1", "--report-language",
                                                            "SPANISH", "--out", "r.pdf"},
                                     request, error));
    EXPECT_EQ(request.YourRef, "Press 4");
    EXPECT_EQ(request.OurRef, "Q-1");
    EXPECT_EQ(request.ReportLanguage, SPANISH);
    EXPECT_EQ(request.OutFile, "r.pdf");
    EXPECT_EQ(request.Format, TReportFormat::Pdf);
    EXPECT_EQ(request.Selection.Series, AC_Cooler);

    // Fifty characters are fifty, however many UTF-16 units they take.
    const QString emojis = QString::fromUtf8("\xF0\x9F\x98\x80").repeated(50);
    ASSERT_TRUE(ParseReportArguments(VamPoint + QStringList{"--your-ref", emojis, "--out", "r.pdf"},
                                     request, error))
        << error.toStdString();
    EXPECT_EQ(request.YourRef, emojis);
}

struct ProgramRun {
    int Code = -1;
    QString Out;
    QString Err;
};

// The installed program, as a user runs it: no display, no settings of its own.
class ReportProgram : public ::testing::Test {
protected:
    ProgramRun Run(const QStringList& arguments) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        environment.insert("HOME", Dir.filePath("home"));
        program.setProcessEnvironment(environment);
        program.start(AIRCOOLER_CLI, QStringList{"report"} + arguments);
        EXPECT_TRUE(program.waitForFinished(60000));
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }

    static QString PdfText(const QString& pdf) {
        QProcess reader;
        reader.start("pdftotext", {"-layout", pdf, "-"});
        EXPECT_TRUE(reader.waitForFinished(60000));
        EXPECT_EQ(reader.exitCode(), 0);
        return QString::fromUtf8(reader.readAllStandardOutput());
    }

    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir Dir;
};

TEST_F(ReportProgram, WritesTheReportAsPdfInTheReportLanguage) {
    const QString pdf = Dir.filePath("report.pdf");
    const ProgramRun run = Run(VamPoint + QStringList{"--your-ref", "Press 4", "--report-language",
                                                      "SPANISH", "--out", pdf});
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "Report written to \"" + pdf + "\".\n");
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Air Cooled Heat Exchanger Software Version 2.03"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("KVAM 350-B"));
    EXPECT_TRUE(text.contains("Su referencia: Press 4"));
    EXPECT_TRUE(text.contains("Datos de entrada:"));
    EXPECT_TRUE(text.contains("100 l/min"));
    // The logo and the selection diagram the page shows after "New".
    QProcess images;
    images.start("pdfimages", {"-list", pdf});
    ASSERT_TRUE(images.waitForFinished(60000));
    const QString list = QString::fromUtf8(images.readAllStandardOutput());
    EXPECT_TRUE(QRegularExpression("\\simage\\s+900\\s+560\\s").match(list).hasMatch())
        << list.toStdString();
    // Data, diagram and notes on one page, as the word processor lays out the same document.
    QProcess info;
    info.start("pdfinfo", {pdf});
    ASSERT_TRUE(info.waitForFinished(60000));
    EXPECT_TRUE(QRegularExpression("\\nPages:\\s+1\\n")
                    .match(QString::fromUtf8(info.readAllStandardOutput()))
                    .hasMatch());
    // The window's settings are neither read nor made.
    EXPECT_FALSE(QDir(Dir.filePath("home/.config")).exists());
}

// A reference and a file name reach the report as typed, whatever characters they hold.
TEST_F(ReportProgram, ArgumentsReachTheReportUnchanged) {
    const QString pdf = Dir.filePath("tab\tname.pdf");
    const ProgramRun run = Run(VamPoint + QStringList{"--your-ref", "A\tB", "--out", pdf});
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"tab\tname.pdf"});
    const QString text = PdfText(pdf);
    EXPECT_TRUE(QRegularExpression("Your reference: A\\s+B").match(text).hasMatch())
        << text.toStdString();
    EXPECT_FALSE(text.contains("\\x09"));
}

TEST_F(ReportProgram, ReplacesAnOdtFileAsAWhole) {
    const QString odt = Dir.filePath("report.odt");
    QFile old(odt);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older report");
    old.close();
    const ProgramRun run = Run(VamPoint + QStringList{"--out", odt});
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_EQ(Bytes(odt).mid(30, 47), "mimetypeapplication/vnd.oasis.opendocument.text");
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"report.odt"});
}

TEST_F(ReportProgram, ExitStatusesAsSelect) {
    const struct {
        const char* Name;
        QStringList Arguments;
        int Code;
        QString Err;
    } cases[] = {
        {"NoCooler",
         With(VamPoint, "--heat", "700") << "--out"
                                         << "x.odt",
         1, "No cooler can be selected! Please contact your local Brenvik office.\n"},
        {"Unwritable", VamPoint + QStringList{"--out", "/proc/aircooler/report.odt"}, 1,
         "The report could not be saved as \"/proc/aircooler/report.odt\": No such file or "
         "directory.\n"},
        {"Unreadable", VamPoint + QStringList{"--out", "x.txt"}, 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const ProgramRun run = Run(c.Arguments);
        EXPECT_EQ(run.Code, c.Code) << run.Err.toStdString();
        if (!c.Err.isEmpty()) {
            EXPECT_EQ(run.Err, c.Err);
        }
        EXPECT_FALSE(run.Err.isEmpty());
        EXPECT_EQ(run.Out, "");
    }
    EXPECT_TRUE(QDir(Dir.path()).entryList(QDir::Files).isEmpty());
}

} // namespace
