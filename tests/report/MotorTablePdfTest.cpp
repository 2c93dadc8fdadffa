#include "report/MotorTablePainting.h"

#include "tests/support/FileSizeLimit.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Fonts and paint engines need the Gui application, offscreen.
class GuiEnvironment : public testing::Environment {
public:
    void SetUp() override { App = std::make_unique<QGuiApplication>(Argc, Argv); }
    void TearDown() override { App.reset(); }

private:
    int Argc = 1;
    char Name[12] = "report_pdf";
    char* Argv[2] = {Name, nullptr};
    std::unique_ptr<QGuiApplication> App;
};

[[maybe_unused]] const auto* const Environment =
    testing::AddGlobalTestEnvironment(new GuiEnvironment);

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A word of the PDF's text layer with its box in points.
struct TWord {
    int Page;
    double XMin;
    double YMin;
    QString Text;
};

QList<TWord> Words(const QString& pdf) {
    const QString html = RunTool("pdftotext", {"-bbox", pdf, "-"});
    QList<TWord> words;
    int page = -1;
    static const QRegularExpression element(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    for (auto match = element.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        words.append(
            TWord{page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    }
    return words;
}

class MotorTablePdf : public testing::Test {
protected:
    // Two models, the second running over the first page break.
    MotorTablePdf() {
        Input.Grid = {TMotorDataCells{"Cooler type", "Speed", "Fan power", "Motor size", "Pressure",
                                      "Flow", "Connection", "Drain"},
                      TMotorDataCells{"", "[rpm]", "[kW]", "[cm³/rev]", "[bar]", "[l/min]",
                                      "IN/OUT", "connection"}};
        for (int row = 0; row < 100; ++row)
            Input.Grid.append(TMotorDataCells{row == 0    ? "KVHM-ALPHA"
                                              : row == 40 ? "KVHM-BRAVO"
                                                          : "",
                                              QString::number(1000 + row), "1,25", "8,0", "120",
                                              "12,0", "G 1/2\"", "G 1/4\""});
        Input.Title = QStringLiteral("VHM Motor Data");
        Input.VersionLine = QStringLiteral("Version 2.03   (2026-12-10)");
        Input.DecimalSeparator = QLatin1Char('.');
        File = Dir.filePath("motor-table.pdf");
    }

    // The layout the writer draws, worked out on a writer of the same page.
    QList<TMotorTablePage> ExpectedPages() {
        QPdfWriter probe(Dir.filePath("probe.pdf"));
        probe.setResolution(MotorTableResolution);
        probe.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        TMotorTableInput input = Input;
        input.PageWidth = probe.width();
        input.PageHeight = probe.height();
        return LayOutMotorTable(input, TDeviceTextMetrics(probe));
    }

    static double Points(int deviceUnits) { return deviceUnits * 72.0 / MotorTableResolution; }

    QTemporaryDir Dir;
    TMotorTableInput Input;
    QString File;
};

TEST_F(MotorTablePdf, PagesCarryTheLaidOutTextsWhereTheLayoutPutThem) {
    QString error;
    ASSERT_TRUE(WriteMotorTablePdf(File, Input, QPageSize(QPageSize::A4), error))
        << error.toStdString();
    const QList<TMotorTablePage> pages = ExpectedPages();
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(
        RunTool("pdfinfo", {File})
            .contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages.size()))));

    const QList<TWord> words = Words(File);
    for (int page = 0; page < pages.size(); ++page) {
        SCOPED_TRACE(page);
        // Every placed text is in the text layer, starting where the layout put it: within a
        // point of its x (glyphs sit a little inside their advance) and below its top.
        for (const TPlacedText& placed : pages[page].Texts) {
            const QString first = placed.Text.section(QLatin1Char(' '), 0, 0);
            const auto found = std::find_if(words.cbegin(), words.cend(), [&](const TWord& word) {
                return word.Page == page && word.Text == first &&
                       std::abs(word.XMin - Points(placed.X)) < 1.0 &&
                       word.YMin >= Points(placed.Y) - 0.5 && word.YMin < Points(placed.Y) + 4.0;
            });
            EXPECT_NE(found, words.cend())
                << placed.Text.toStdString() << " at " << placed.X << "," << placed.Y;
        }
    }
}

TEST_F(MotorTablePdf, SecondPageNamesTheModelItsFirstRowContinues) {
    QString error;
    ASSERT_TRUE(WriteMotorTablePdf(File, Input, QPageSize(QPageSize::A4), error))
        << error.toStdString();
    const QStringList pages = RunTool("pdftotext", {"-layout", File, "-"}).split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 2);
    const QStringList secondPage = pages[1].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const auto firstRow =
        std::find_if(secondPage.cbegin(), secondPage.cend(), [](const QString& line) {
            return line.contains(QLatin1String("1,25")) || line.contains(QLatin1String("1.25"));
        });
    ASSERT_NE(firstRow, secondPage.cend());
    EXPECT_TRUE(firstRow->trimmed().startsWith("KVHM-BRAVO")) << firstRow->toStdString();
    EXPECT_EQ(pages[1].count("KVHM-BRAVO"), 1);
    EXPECT_EQ(pages[0].count("KVHM-ALPHA"), 1);
    EXPECT_TRUE(pages[0].contains("VHM Motor Data"));
    // The text layer keeps the words of the version line, not its run of blanks.
    EXPECT_TRUE(pages[0].contains(QRegularExpression("Version 2.03 +\\(2026-12-10\\)")));
}

// The pages are made whole before the file is written: a failed write keeps the table that was
// there and says why in the system's words.
TEST_F(MotorTablePdf, FileThatCannotBeWrittenIsReportedWithTheReasonAndLeavesTheOldOne) {
    QFile old(File);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older table");
    old.close();
    const struct {
        const char* Name;
        QString File;
        rlim_t Limit;
        const char* Reason;
    } cases[] = {
        {"MissingFolder", Dir.filePath("missing-folder/table.pdf"), RLIM_INFINITY,
         "No such file or directory"},
        {"FileTooLarge", File, 1024, "File too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QString error;
        {
            const TScopedFileSizeLimit limit(c.Limit);
            EXPECT_FALSE(WriteMotorTablePdf(c.File, Input, QPageSize(QPageSize::A4), error));
        }
        EXPECT_EQ(error, c.Reason);
        EXPECT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), "an older table");
        old.close();
        EXPECT_EQ(
            QDir(Dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            QStringList{QFileInfo(File).fileName()});
    }
}

} // namespace
