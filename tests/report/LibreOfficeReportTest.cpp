#include "tests/report/ReportTestSupport.h"

#include "report/EditionPaper.h"
#include "report/ReportFile.h"
#include "report/SelectionReport.h"
#include "report/TextDocumentWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <iostream>

namespace {

constexpr int ConversionTimeoutMs = 300000;

// Runs a program with its own HOME, so a word processor started as root in CI keeps its
// profile in the test's folder and never meets another run's.
QByteArray RunProgram(const QString& program, const QStringList& arguments, const QString& home) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForStarted()) << program.toStdString() << " is not installed";
    EXPECT_TRUE(process.waitForFinished(ConversionTimeoutMs)) << program.toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

// The line holding `label`, and the column at which `value` ends in it.
struct Found {
    qsizetype Line = -1;
    qsizetype ValueEnd = -1;
};

Found Find(const QStringList& lines, const QString& label, const QString& valueAndUnit,
           qsizetype valueLength) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype at = lines[i].indexOf(label);
        if (at < 0)
            continue;
        const qsizetype value = lines[i].indexOf(valueAndUnit, at + label.size());
        return {i, value < 0 ? -1 : value + valueLength};
    }
    return {};
}

class LibreOfficeReport : public ReportTest {};

TEST_F(LibreOfficeReport, AWordProcessorReadsEveryLineWithTheValuesInOneColumn) {
    TSelectionReport report = KvamReport();
    report.References.YourRef = QStringLiteral("Press 4");
    report.Data.OilInletTempHighlighted = true;
    TTextDocumentWriter writer;
    // The page's diagram as the window renders it; its size is its mark in the finished file.
    const QSize diagramSize(900, 560);
    QImage diagram(diagramSize, QImage::Format_RGB32);
    diagram.fill(Qt::darkCyan);
    WriteSelectionReport(writer, report, Today, diagram);

    QTemporaryDir dir;
    const QString odt = dir.filePath("KVAM 300-B 2026-12-10.odt");
    QString error;
    ASSERT_TRUE(SaveReport(writer.Document(), odt, TReportFormat::Odf,
                           EditionPaper(report.USEdition), error))
        << error.toStdString();

    QElapsedTimer clock;
    clock.start();
    RunProgram("soffice",
               {"-env:UserInstallation=" + QUrl::fromLocalFile(dir.filePath("profile")).toString(),
                "--headless", "--norestore", "--convert-to", "pdf", "--outdir", dir.path(), odt},
               dir.path());
    std::cout << "LibreOffice converted the report in " << clock.elapsed() << " ms\n";
    const QString pdf = dir.filePath("KVAM 300-B 2026-12-10.pdf");
    ASSERT_TRUE(QFile::exists(pdf));
    // Courier at 12 points advances 7.2 points a character: read at that pitch, every character
    // of the fixed-pitch lines keeps its column.
    const QStringList lines =
        QString::fromUtf8(
            RunProgram("pdftotext", {"-layout", "-fixed", "7.2", pdf, "-"}, dir.path()))
            .split('\n');
    const QString text = lines.join('\n');

    EXPECT_TRUE(text.contains("Brenvik Corporation")) << text.toStdString();
    EXPECT_TRUE(text.contains("Air Cooled Heat Exchanger Software Version 2.03"));
    EXPECT_TRUE(text.contains("KVAM 300-B"));
    EXPECT_TRUE(text.contains("Your reference: Press 4"));
    EXPECT_TRUE(text.contains("Hydraulic oil")) << text.toStdString();

    struct DataLine {
        QString Label;
        QString Value;
        QString Unit;
    };
    const QList<DataLine> dataLines{
        {"Hydraulic oil", "ISO VG 46", ""},
        {"Oil flow", "100", "l/min"},
        {"Max. inlet oil temp.", "60", "°C"},
        {"Max. ambient air temp.", "30", "°C"},
        {"Altitude", "0", "m"},
        {"Cooling required", "20", "kW"},
        {"Inlet oil temperature", "58.4", "°C"},
        {"Outlet oil temperature", "52.0", "°C"},
        {"Outlet air temperature", "39.7", "°C"},
        {"Sp. heat dissipation", "0.71", "kW/°C"},
        {"Oil pressure drop", "0.61", "bar"},
        {"Air flow", "1.82", "m³/s"},
        {"Motor capacity", "0.75", "kW"},
        {"LpA, 1 m", "75", "dB(A)"},
        {"Protection standard, motor", "IP 55", ""},
        {"Weight", "38", "kg"},
    };
    qsizetype previousLine = -1;
    qsizetype column = -1;
    for (const DataLine& line : dataLines) {
        const QString shown = line.Unit.isEmpty() ? line.Value : line.Value + ' ' + line.Unit;
        const Found found = Find(lines, line.Label, shown, line.Value.size());
        ASSERT_GT(found.Line, previousLine) << line.Label.toStdString() << '\n'
                                            << text.toStdString();
        ASSERT_GE(found.ValueEnd, 0) << line.Label.toStdString() << '\n' << text.toStdString();
        // Fixed-pitch text: every value ends in the same column.
        if (column < 0)
            column = found.ValueEnd;
        EXPECT_EQ(found.ValueEnd, column) << line.Label.toStdString() << '\n' << text.toStdString();
        previousLine = found.Line;
    }

    const qsizetype heat = Find(lines, "Sp. heat dissipation", "0.71", 4).Line;
    const qsizetype note = Find(lines, "NOTE: Inlet oil temperature is too high.", "", 0).Line;
    const qsizetype pressure = Find(lines, "Oil pressure drop", "0.61", 4).Line;
    EXPECT_TRUE(heat < note && note < pressure) << text.toStdString();
    const qsizetype information = Find(lines, "Information:", "", 0).Line;
    const qsizetype catalogueNote =
        Find(lines, "This calculation is based upon more parameters than in catalogue.", "", 0)
            .Line;
    const qsizetype alterations = Find(lines, "Subject to technical alterations.", "", 0).Line;
    EXPECT_TRUE(previousLine < information && information < catalogueNote &&
                catalogueNote < alterations)
        << text.toStdString();

    // The diagram is in the document the word processor read, at its own resolution.
    const QString images = QString::fromUtf8(RunProgram("pdfimages", {"-list", pdf}, dir.path()));
    const QRegularExpression diagramImage(QStringLiteral("\\simage\\s+%1\\s+%2\\s")
                                              .arg(diagramSize.width())
                                              .arg(diagramSize.height()));
    EXPECT_TRUE(diagramImage.match(images).hasMatch()) << images.toStdString();
}

} // namespace
