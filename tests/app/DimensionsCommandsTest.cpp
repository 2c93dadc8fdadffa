// aircooler-cli models and motor-table as the installed program runs them, on the data the
// build lays out beside it.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct TRun {
    int ExitCode;
    QString Out;
    QString Err;
};

TRun Cli(const QStringList& arguments) {
    QProcess program;
    // The program's own regional settings come from the locale; the tests fix it.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    environment.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(environment);
    program.start(AIRCOOLER_CLI, arguments);
    EXPECT_TRUE(program.waitForFinished(60000));
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

const QString DataDir = QStringLiteral(AIRCOOLER_BUILD_DATA_DIR "/IniFiles/");

// The edition the program was built as, which fixes the units of its results and headings.
bool USEdition() {
    return Cli({"--version"}).Out.contains("(US edition)");
}

// The text of the program's edition.
const char* InEdition(const char* us, const char* european) {
    return USEdition() ? us : european;
}

TEST(ModelsCommand, ListsEveryModelWithSectionLinesAndAnExistingDrawing) {
    const TRun run = Cli({"models", "--series", "VHM", "--json"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonObject document = QJsonDocument::fromJson(run.Out.toUtf8()).object();
    const QJsonArray models = document["models"].toArray();
    ASSERT_EQ(models.size(), 18);
    const QJsonObject first = models[0].toObject();
    EXPECT_EQ(first["name"].toString(), "KVHM 200-1500 rpm");
    EXPECT_EQ(first["section"].toString(), "VHM2_200_1500");
    const QJsonArray lines = first["lines"].toArray();
    ASSERT_EQ(lines.size(), 4);
    // The US edition gives the fan power in horsepower.
    EXPECT_EQ(lines[0].toString(),
              InEdition("Fan power required  0.054 HP", "Fan power required  0.040 kW"));
    EXPECT_EQ(lines[1].toString(), InEdition("Weight  31 lb", "Weight  14 kg"));
    for (const QJsonValue& model : models) {
        const QString drawing = model.toObject()["drawing"].toString();
        EXPECT_TRUE(QFile::exists(drawing)) << drawing.toStdString();
    }
    EXPECT_EQ(models[8].toObject()["drawing"], models[9].toObject()["drawing"]);
    EXPECT_TRUE(document["keySheet"].toString().endsWith("/VHM_key.pdf"));
    EXPECT_TRUE(QFile::exists(document["keySheet"].toString()));
}

TEST(ModelsCommand, TextNamesEachModelWithItsSectionAndLines) {
    const TRun run = Cli({"models", "--series", "vdm", "--language", "spanish"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QStringList lines = run.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 8 * 6 + 1);
    EXPECT_EQ(lines[0], "KVDM 100  [VDM_100]");
    EXPECT_TRUE(lines[5].endsWith("/VDM_100.pdf")) << lines[5].toStdString();
    EXPECT_TRUE(lines.last().endsWith("/VDM_key.pdf"));
}

struct TBadArguments {
    const char* Name;
    QStringList Arguments;
    const char* Says;
};

class DimensionsCommandArguments : public testing::TestWithParam<TBadArguments> {};

TEST_P(DimensionsCommandArguments, AreRefusedWithExitTwo) {
    const TRun run = Cli(GetParam().Arguments);
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_TRUE(run.Err.contains(GetParam().Says)) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DimensionsCommandArguments,
    testing::Values(TBadArguments{"NoSeries", {"models"}, "--series is required"},
                    TBadArguments{"UnknownSeries", {"models", "--series", "VXM"}, "Unknown series"},
                    TBadArguments{"UnknownUnit",
                                  {"models", "--series", "VAM", "--energy-unit", "PS"},
                                  "Unknown energy unit"},
                    TBadArguments{"UnknownLanguage",
                                  {"models", "--series", "VAM", "--language", "X"},
                                  "Unknown language"},
                    TBadArguments{
                        "PdfWithoutFile", {"motor-table", "--pdf"}, "--pdf needs a value"},
                    TBadArguments{"UnknownOption", {"motor-table", "--csv"}, "Unknown argument"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(MotorTableCommand, TextStartsWithTheHeadingRowsAndAlignsItsColumns) {
    const TRun run = Cli({"motor-table"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QStringList lines = run.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("Cooler type")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].trimmed().startsWith("[rpm]")) << lines[1].toStdString();
    const qsizetype speedColumn = lines[0].indexOf("Speed");
    EXPECT_EQ(lines[1].indexOf("[rpm]"), speedColumn);
    EXPECT_TRUE(lines[2].mid(speedColumn).startsWith("1500 ")) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].startsWith("KVHM 200-1500"));
    EXPECT_TRUE(lines[3].startsWith(" ")); // the same model's next variant
}

TEST(MotorTableCommand, JsonRowsAreTheGridsRows) {
    const TRun run = Cli({"motor-table", "--json"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonObject document = QJsonDocument::fromJson(run.Out.toUtf8()).object();
    EXPECT_EQ(document["caption"].toString(), "VHM Motor Data");
    const QJsonArray rows = document["rows"].toArray();
    ASSERT_GT(rows.size(), 2);
    EXPECT_EQ(rows[1].toArray()[2].toString(), InEdition("[HP]", "[kW]"));
    for (const QJsonValue& row : rows)
        EXPECT_EQ(row.toArray().size(), 8);
}

TEST(MotorTableCommand, PdfHoldsThePrintedTable) {
    QTemporaryDir dir;
    const QString file = dir.filePath("motors.pdf");
    const TRun run = Cli({"motor-table", "--pdf", file});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    QProcess text;
    text.start("pdftotext", {"-layout", file, "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains("VHM Motor Data"));
    EXPECT_TRUE(printed.contains("KVHM 800-1200"));
    EXPECT_TRUE(printed.contains(InEdition("[psi]", "[bar]")));
}

TEST(MotorTableCommand, PdfThatCannotBeWrittenEndsWithExitOne) {
    QTemporaryDir dir;
    const TRun run = Cli({"motor-table", "--pdf", dir.filePath("no/such/folder.pdf")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("could not be written: No such file or directory."))
        << run.Err.toStdString();
}

} // namespace
