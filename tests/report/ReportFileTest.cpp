#include "tests/report/ReportTestSupport.h"

#include "report/EditionPaper.h"
#include "report/RecordingDocumentWriter.h"
#include "report/ReportFile.h"
#include "report/SelectionReport.h"
#include "report/TextDocumentWriter.h"
#include "tests/support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextImageFormat>
#include <QUrl>

namespace {

const QPageSize A4 = EditionPaper(false);

struct NameCase {
    const char* Name;
    QString Model;
    QString File;
};

class ReportFileName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ReportFileName, ModelAndDateWithOnlySafeCharacters) {
    EXPECT_EQ(::ReportFileName(GetParam().Model, QDate(2026, 12, 10)), GetParam().File);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ReportFileName,
    ::testing::Values(NameCase{"Plain", "KVAM 300-B", "KVAM 300-B 2026-12-10.odt"},
                      NameCase{"GermanRpm", "KVHM 200-1500 U/min",
                               "KVHM 200-1500 U_min 2026-12-10.odt"},
                      NameCase{"PathAndShellCharacters", "../a\\b:c*d?\"e<f>|g$h",
                               ".._a_b_c_d__e_f__g_h 2026-12-10.odt"},
                      NameCase{"LettersBeyondAscii", "Kühler_1.5", "Kühler_1.5 2026-12-10.odt"}),
    [](const auto& info) { return info.param.Name; });

class ReportFiles : public ReportTest {
protected:
    ReportFiles() { WriteSelectionReport(Writer, KvamReport(), Today); }

    QString Claim() {
        QString error;
        const QString path = ClaimReportFile(Dir.path(), "KVAM 300-B", Today, error);
        EXPECT_FALSE(path.isEmpty()) << error.toStdString();
        return path;
    }

    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir Dir;
    TTextDocumentWriter Writer;
};

TEST_F(ReportFiles, TheProductWriterHoldsTheLinesTheRecordingWriterSeesInTheirFonts) {
    TRecordingDocumentWriter recording;
    WriteSelectionReport(recording, KvamReport(), Today);
    QStringList expected;
    for (const TReportParagraph& paragraph : recording.Paragraphs())
        expected.append(paragraph.Text);

    const QTextDocument& document = Writer.Document();
    QStringList lines = document.toPlainText().split(QLatin1Char('\n'));
    // The logo leads the first line; the last note's paragraph end leaves an empty line.
    ASSERT_TRUE(lines.first().startsWith(QChar::ObjectReplacementCharacter));
    lines.first().remove(0, 1);
    EXPECT_EQ(lines.takeLast(), "");
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(document.metaInformation(QTextDocument::DocumentTitle), "KVAM 300-B");

    const QList<TReportParagraph> paragraphs = recording.Paragraphs();
    for (int i = 1; i < paragraphs.size(); ++i) {
        const TReportFont& font = paragraphs[i].Font;
        const QTextCharFormat format =
            document.findBlockByNumber(i).begin().fragment().charFormat();
        EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{font.Name}) << i;
        EXPECT_EQ(format.fontWeight() == QFont::Bold, font.Bold) << i;
        EXPECT_EQ(format.fontPointSize(), font.Size) << i;
        EXPECT_EQ(document.findBlockByNumber(i).blockFormat().bottomMargin(), 0) << i;
    }
}

TEST_F(ReportFiles, TheDiagramIsAPictureOfItsOwnBetweenTheWeightAndTheInformation) {
    QImage diagram(900, 560, QImage::Format_RGB32);
    diagram.fill(Qt::darkCyan);
    TTextDocumentWriter writer;
    WriteSelectionReport(writer, KvamReport(), Today, diagram);
    const QTextDocument& document = writer.Document();

    QStringList blocks; // each paragraph's text, a picture as [name width x height]
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString text;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextImageFormat image = fragment.fragment().charFormat().toImageFormat();
            text += image.isValid() ? QStringLiteral("[%1 %2x%3]")
                                          .arg(image.name())
                                          .arg(image.width())
                                          .arg(image.height())
                                    : fragment.fragment().text();
        }
        blocks.append(text);
    }
    const qsizetype picture = blocks.indexOf("[aircooler-report-picture-1.png 456x283.733]");
    ASSERT_GT(picture, 0) << blocks.join('\n').toStdString();
    EXPECT_TRUE(blocks[picture - 2].startsWith("Weight"));
    EXPECT_EQ(blocks[picture + 2], "Information:");
    const QImage kept =
        document.resource(QTextDocument::ImageResource, QUrl("aircooler-report-picture-1.png"))
            .value<QImage>();
    EXPECT_EQ(kept.size(), diagram.size()) << "kept at its own resolution";

    const QString path = Dir.filePath("with-diagram.odt");
    QString error;
    ASSERT_TRUE(SaveReport(document, path, TReportFormat::Odf, A4, error)) << error.toStdString();
    const QString logoOnly = Dir.filePath("logo-only.odt");
    ASSERT_TRUE(SaveReport(Writer.Document(), logoOnly, TReportFormat::Odf, A4, error));
    // Each picture of the package is named in its own entry and in the package's directory.
    EXPECT_EQ(Bytes(path).count("Pictures/"), Bytes(logoOnly).count("Pictures/") + 2);
}

TEST_F(ReportFiles, AnExistingReportIsNeverOverwrittenTheNextOneIsNumbered) {
    const QString first = Dir.filePath("KVAM 300-B 2026-12-10.odt");
    QFile mine(first);
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("edited by the user");
    mine.close();

    EXPECT_EQ(Claim(), Dir.filePath("KVAM 300-B 2026-12-10 (2).odt"));
    EXPECT_EQ(Claim(), Dir.filePath("KVAM 300-B 2026-12-10 (3).odt"));
    EXPECT_EQ(Bytes(first), "edited by the user");
}

TEST_F(ReportFiles, OpenDocumentTextThatDesktopsRecogniseByItsFirstEntry) {
    const QString path = Claim();
    QString error;
    ASSERT_TRUE(SaveReport(Writer.Document(), path, TReportFormat::Odf, A4, error))
        << error.toStdString();
    const QByteArray bytes = Bytes(path);
    // A stored "mimetype" entry first is how file-type detection tells ODF text from a zip.
    EXPECT_TRUE(bytes.startsWith("PK"));
    EXPECT_EQ(bytes.mid(30, 47), "mimetypeapplication/vnd.oasis.opendocument.text");
    EXPECT_TRUE(bytes.contains("Pictures/")) << "the logo is part of the document";
}

TEST_F(ReportFiles, TheSameDocumentAsPdf) {
    QString error;
    const QString path = Dir.filePath("report.pdf");
    ASSERT_TRUE(SaveReport(Writer.Document(), path, TReportFormat::Pdf, A4, error))
        << error.toStdString();
    EXPECT_TRUE(Bytes(path).startsWith("%PDF-"));
}

// The edition's paper, as the motor table's PDF and every printout use it.
TEST_F(ReportFiles, ThePdfIsOnTheEditionsPaper) {
    for (const auto& [us, size] :
         {std::pair{true, "612 x 792 pts (letter)"}, std::pair{false, "pts (A4)"}}) {
        SCOPED_TRACE(size);
        QString error;
        const QString path = Dir.filePath(us ? "us.pdf" : "eu.pdf");
        ASSERT_TRUE(
            SaveReport(Writer.Document(), path, TReportFormat::Pdf, EditionPaper(us), error))
            << error.toStdString();
        QProcess info;
        info.start("pdfinfo", {path});
        ASSERT_TRUE(info.waitForFinished(60000));
        const QString shown = QString::fromUtf8(info.readAllStandardOutput());
        EXPECT_TRUE(shown.contains(size)) << shown.toStdString();
        // Laid out alike on both papers: the report stays on one page.
        EXPECT_TRUE(shown.contains(QRegularExpression("\\nPages:\\s+1\\n")));
    }
}

TEST_F(ReportFiles, SavingReplacesAWholeFile) {
    const QString path = Dir.filePath("report.odt");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(200000, 'x'));
    old.close();
    QString error;
    ASSERT_TRUE(SaveReport(Writer.Document(), path, TReportFormat::Odf, A4, error));
    const QByteArray bytes = Bytes(path);
    EXPECT_TRUE(bytes.startsWith("PK"));
    EXPECT_FALSE(bytes.contains("xxxxxxxx"));
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"report.odt"});
}

TEST_F(ReportFiles, AFolderThatCannotHoldFilesGivesTheReasonAndLeavesNothing) {
    // A regular file where the folder should be: no user, root included, can create in it.
    const QString notAFolder = Dir.filePath("plain");
    QFile plain(notAFolder);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();

    QString error;
    EXPECT_TRUE(ClaimReportFile(notAFolder, "KVAM 300-B", Today, error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(
        SaveReport(Writer.Document(), notAFolder + "/report.odt", TReportFormat::Odf, A4, error));
    EXPECT_EQ(error, "Not a directory");
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plain"});
}

// Both formats are made whole before the file is written: a write the system refuses keeps the
// report that was there, leaves nothing beside it and gives the system's reason.
TEST_F(ReportFiles, AFailedWriteKeepsTheOldReportAndGivesTheSystemsReason) {
    for (const TReportFormat format : {TReportFormat::Odf, TReportFormat::Pdf}) {
        SCOPED_TRACE(format == TReportFormat::Odf ? "odt" : "pdf");
        const QString path = Dir.filePath("report");
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older report");
        old.close();
        QString error;
        {
            const TScopedFileSizeLimit limit(1024);
            EXPECT_FALSE(SaveReport(Writer.Document(), path, format, A4, error));
        }
        EXPECT_EQ(error, "File too large");
        EXPECT_EQ(Bytes(path), "an older report");
        EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report"});
    }
}

} // namespace
