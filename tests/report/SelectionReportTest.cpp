#include "tests/report/ReportTestSupport.h"

#include "core/ConvertError.h"
#include "report/RecordingDocumentWriter.h"
#include "report/ReportLines.h"
#include "report/SelectionReport.h"

#include <algorithm>

namespace {

const TReportFont DefaultFont;
const TReportFont Serif12{"Times New Roman", true, 12};
const TReportFont Serif20{"Times New Roman", true, 20};
const TReportFont Fixed12{"Courier New", false, 12};
const TReportFont FixedBold12{"Courier New", true, 12};
const TReportFont Fixed8{"Courier New", false, 8};

QString Pad(const QString& label, qsizetype blanks, const QString& rest) {
    return label + QString(blanks, QLatin1Char(' ')) + rest;
}

class SelectionReport : public ReportTest {
protected:
    SelectionReport() {
        Report.References = {QStringLiteral("Press 4"), QStringLiteral("Q-2026-118")};
    }

    QList<TReportParagraph> Write() {
        WriteSelectionReport(Writer, Report, Today);
        return Writer.Paragraphs();
    }

    QStringList Texts() {
        QStringList texts;
        for (const TReportParagraph& p : Write())
            texts.append(p.Text);
        return texts;
    }

    TSelectionReport Report = KvamReport();
    TRecordingDocumentWriter Writer;
};

TEST_F(SelectionReport, EuropeanReportLineByLineInItsFonts) {
    const QList<TReportParagraph> expected{
        {"  Brenvik Corporation", DefaultFont},
        {"Air Cooled Heat Exchanger Software Version 2.03", Serif12},
        {" ", Serif12},
        {"KVAM 300-B", Serif20},
        {" ", Serif20},
        {"Date: 2026-12-10", Fixed12},
        {" ", Fixed12},
        {"Your reference: Press 4", Fixed12},
        {"Our reference: Q-2026-118", Fixed12},
        {" ", Fixed12},
        {"Input data:", Fixed12},
        {Pad("Hydraulic oil", 18, "ISO VG 46  "), FixedBold12},
        {Pad("Oil flow", 29, "100 l/min"), Fixed12},
        {Pad("Max. inlet oil temp.", 18, "60 °C"), Fixed12},
        {Pad("Max. ambient air temp.", 16, "30 °C"), Fixed12},
        {Pad("Altitude", 31, "0 m"), Fixed12},
        {Pad("Cooling required", 22, "20 kW"), Fixed12},
        {" ", Fixed12},
        {"Calculated data:", Fixed12},
        {Pad("Inlet oil temperature", 15, "58.4 °C"), FixedBold12},
        {Pad("Outlet oil temperature", 14, "52.0 °C"), Fixed12},
        {Pad("Outlet air temperature", 14, "39.7 °C"), Fixed12},
        {Pad("Sp. heat dissipation", 16, "0.71 kW/°C"), Fixed12},
        {Pad("Oil pressure drop", 19, "0.61 bar"), Fixed12},
        {Pad("Air flow", 28, "1.82 m³/s"), Fixed12},
        {Pad("Motor capacity", 22, "0.75 kW"), Fixed12},
        {Pad("LpA, 1 m", 30, "75 dB(A)"), Fixed12},
        {Pad("Protection standard, motor", 9, "IP 55  "), Fixed12},
        {Pad("Weight", 32, "38 kg"), Fixed12},
        {" ", Fixed12},
        {"Information:", Fixed12},
        {"This calculation is based upon more parameters than in catalogue.", Fixed8},
        {"Subject to technical alterations.", Fixed8},
    };
    EXPECT_EQ(Write(), expected);
}

TEST_F(SelectionReport, CallsInTheWordProcessorsOrder) {
    Write();
    const QStringList head = Writer.Calls.mid(0, 7);
    EXPECT_EQ(head, (QStringList{"NewDocument KVAM 300-B", "AppendText   ", "InsertLogo 107x41",
                                 "AppendText   Brenvik Corporation\r", "ZeroParagraphSpacing",
                                 "SetFont Times New Roman bold 12",
                                 "AppendText Air Cooled Heat Exchanger Software Version 2.03\r"}));
    EXPECT_EQ(Writer.Calls.last(), "Finish");
    EXPECT_EQ(Writer.Logo.format(), QImage::Format_RGB888);
}

TEST_F(SelectionReport, TheDiagramStandsBelowTheCalculatedDataAtTheirWidth) {
    Write();
    EXPECT_TRUE(Writer.Calls.filter("AppendPicture").isEmpty()) << "no diagram, no picture";

    TRecordingDocumentWriter withDiagram;
    const QImage diagram(900, 560, QImage::Format_RGB32);
    WriteSelectionReport(withDiagram, Report, Today, diagram);
    const qsizetype picture = withDiagram.Calls.indexOf("AppendPicture 900x560 at 456");
    ASSERT_GT(picture, 0) << withDiagram.Calls.join('\n').toStdString();
    EXPECT_TRUE(withDiagram.Calls[picture - 2].startsWith("AppendText Weight"));
    EXPECT_EQ(withDiagram.Calls[picture - 1], "AppendText  \r");
    EXPECT_EQ(withDiagram.Calls[picture + 1], "AppendText  \r");
    EXPECT_EQ(withDiagram.Calls[picture + 2], "AppendText Information:\r");
    ASSERT_EQ(withDiagram.Pictures.size(), 1);
    EXPECT_EQ(withDiagram.Pictures[0].size(), QSize(900, 560));
    // The lines of text are those of the report without the diagram, and a blank line after it.
    QList<TReportParagraph> expected = Writer.Paragraphs();
    const auto information = std::find_if(expected.begin(), expected.end(), [](const auto& p) {
        return p.Text == QStringLiteral("Information:");
    });
    expected.insert(information, {" ", Fixed12});
    EXPECT_EQ(withDiagram.Paragraphs(), expected);
}

TEST_F(SelectionReport, EmptyReferencesStillGiveTheirLinesEndingInTheBlank) {
    Report.References = {};
    const QStringList texts = Texts();
    EXPECT_EQ(texts[7], "Your reference: ");
    EXPECT_EQ(texts[8], "Our reference: ");
}

TEST_F(SelectionReport, TheUSEditionNeverPrintsTheProtectionLineAndWeighsInPounds) {
    Report.USEdition = true;
    const QStringList texts = Texts();
    EXPECT_FALSE(texts.join('\n').contains("Protection")) << texts.join('\n').toStdString();
    EXPECT_EQ(texts[27], Pad("Weight", 32, "84 lb"));
}

TEST_F(SelectionReport, AnEmptyProtectionTextLeavesTheLineOut) {
    Report.Data.Protection.clear();
    EXPECT_FALSE(Texts().join('\n').contains("Protection"));
}

struct NoteCase {
    const char* Name;
    bool FixedInletTemp;
    bool HeatHighlighted;
    bool InletHighlighted;
    QString Note; // empty: none
};

class ShortfallNote : public SelectionReport, public ::testing::WithParamInterface<NoteCase> {};

TEST_P(ShortfallNote, StandsBetweenHeatAndPressureLinesExactlyWhenAResultIsHighlighted) {
    const NoteCase& c = GetParam();
    TSelectionReportData& data = Report.Data;
    data.InletTempHeld = c.FixedInletTemp;
    data.HeatLoad = " 19.2 kW";
    data.HeatLoadHighlighted = c.HeatHighlighted;
    data.OilInletTempHighlighted = c.InletHighlighted;
    const QStringList texts = Texts();
    const qsizetype heat =
        texts.indexOf(Pad(c.FixedInletTemp ? "Heat dissipation" : "Sp. heat dissipation",
                          c.FixedInletTemp ? 20 : 16, "19.2 kW"));
    ASSERT_GE(heat, 0) << texts.join('\n').toStdString();
    if (c.Note.isEmpty())
        EXPECT_TRUE(texts[heat + 1].startsWith("Oil pressure drop"));
    else
        EXPECT_EQ(texts[heat + 1], c.Note);
}

INSTANTIATE_TEST_SUITE_P(
    Notes, ShortfallNote,
    ::testing::Values(NoteCase{"NoneWithoutHighlight", false, false, false, ""},
                      NoteCase{"FixedCoolingInletTooHigh", false, false, true,
                               "NOTE: Inlet oil temperature is too high."},
                      NoteCase{"FixedInletTempHeatTooLow", true, true, false,
                               "NOTE: Heat dissipation is less than Cooling Required."}),
    [](const auto& info) { return info.param.Name; });

TEST_F(SelectionReport, HydraulicMotorCoolersReportTheFanPowerRequired) {
    TSelectionReportData& data = Report.Data;
    data.Series = Cooler_System;
    data.ModelName = "KVHM 200-1500 rpm";
    data.CatalogueName = "VHM2_200_1500";
    data.Protection.clear();
    const QStringList texts = Texts();
    EXPECT_TRUE(texts.contains(Pad("Fan power required", 18, "0.75 kW")))
        << texts.join('\n').toStdString();
    EXPECT_EQ(texts.last(), "Subject to technical alterations.");
}

TEST_F(SelectionReport, SpanishLabelsWhileUnitsModelAndGradeStayAsShown) {
    Report.Texts = ReportTextsIn(SPANISH);
    const QStringList texts = Texts();
    EXPECT_EQ(texts[3], "KVAM 300-B");
    EXPECT_TRUE(texts[5].startsWith("Fecha: ")) << texts[5].toStdString();
    EXPECT_EQ(texts[11], PadReportLine(Report.Texts.HydraulicOil, "ISO VG 46", " "));
    EXPECT_TRUE(texts[11].startsWith("Aceite hidráulico"));
    EXPECT_TRUE(texts[12].endsWith("100 l/min"));
    EXPECT_EQ(texts.last(), "Sujeto a modificaciones técnicas.");
}

TEST_F(SelectionReport, DecimalSignsFollowTheRegionalSettings) {
    const TScopedRegionalSettings comma(QLatin1Char(','));
    Report.Data.Inputs[0].Text = "1 000.5";
    const QStringList texts = Texts();
    EXPECT_EQ(texts[12], Pad("Oil flow", 26, "1000,5 l/min"));
    EXPECT_EQ(texts[19], Pad("Inlet oil temperature", 15, "58,4 °C"));
}

TEST_F(SelectionReport, AModelMissingFromTheCatalogueStopsTheReportWithTheDataMessage) {
    Report.Data.CatalogueName = "VAM_999";
    EXPECT_THROW(WriteSelectionReport(Writer, Report, Today), EConvertError);
}

} // namespace
