#include "report/SelectionReport.h"

#include "core/RegionalSettings.h"
#include "engine/CoolerCatalogue.h"
#include "engine/VerDep.h"
#include "report/DocumentWriter.h"
#include "report/Logo.h"
#include "report/ReportLines.h"
#include "settings/VersUnit.h"
#include "units/QuantityTexts.h"
#include "units/Units.h"

namespace {

const QChar ParagraphEnd(QLatin1Char('\r'));
const QString BlankLine = QStringLiteral(" \r");

void AppendLine(TDocumentWriter& Writer, const QString& Text) {
    Writer.AppendText(Text + ParagraphEnd);
}

void AppendDataLine(TDocumentWriter& Writer, const QString& Label, const TReportValue& Value) {
    AppendLine(Writer, PadReportLine(Label, Value.Value, Value.Unit));
}

// The model's weight from its catalogue record; the US catalogue weighs in pounds.
QString ModelWeightText(const TSelectionReport& Report) {
    const TSelectionReportData& data = Report.Data;
    const TVerDep names;
    const ModelRecord model =
        ReadModelRecord(names.ChangeToSectionName(data.CatalogueName, data.Series),
                        Report.CatalogueDirectory, names.ChangeToCoolerIniFilename(data.Series));
    return WeightText(static_cast<float>(model[Catalogue::Weight]),
                      Report.USEdition ? Ord(TWeight::lb) : Ord(TWeight::kg));
}

// The heat line states what the calculation mode makes of the heat: the heat removed at the
// held inlet temperature, or the specific dissipation that removes the cooling required.
const TPrnStr& HeatLabel(const TReportTexts& Texts, const TSelectionReportData& Data) {
    return Data.InletTempHeld ? Texts.HeatDissiAtFixedTemp : Texts.SpecificHeatDissi;
}

// A hydraulic motor is driven by the system: its line is the fan power it requires.
const TPrnStr& MotorLabel(const TReportTexts& Texts, const TSelectionReportData& Data) {
    return Data.Series == Cooler_System ? Texts.FanPower : Texts.MotorCapacity;
}

// The note on a shortfall names what the user can change: the inlet temperature when the
// cooling is held, the cooling when the inlet temperature is.
const QString& ShortfallNote(const TReportTexts& Texts, const TSelectionReportData& Data) {
    return Data.InletTempHeld ? Texts.HeatLoadTooLowNote : Texts.InletTempTooHighNote;
}

} // namespace

void WriteSelectionReport(TDocumentWriter& W, const TSelectionReport& Report, const QDate& Today,
                          const QImage& Diagram) {
    const TSelectionReportData& Data = Report.Data;
    const TReportTexts& t = Report.Texts;
    W.NewDocument(Data.ModelName);

    W.AppendText(QStringLiteral("  "));
    W.InsertLogo(ReportLogo());
    AppendLine(W, ReportOrganisationLine);
    W.ZeroParagraphSpacing();

    W.SetFont(ReportSerifFont, true, 12);
    AppendLine(W, ReportProgramLine + ProgramVersionNumber());
    W.AppendText(BlankLine);
    W.SetFont(ReportSerifFont, true, 20);
    AppendLine(W, Data.ModelName);
    W.AppendText(BlankLine);

    W.SetFont(ReportFixedFont, false, 12);
    AppendLine(W, t.Date.str() + QLatin1Char(' ') + Today.toString(Regional().ShortDateFormat));
    W.AppendText(BlankLine);
    AppendLine(W, t.YourRef.str() + QLatin1Char(' ') + Report.References.YourRef.str());
    AppendLine(W, t.OurRef.str() + QLatin1Char(' ') + Report.References.OurRef.str());
    W.AppendText(BlankLine);
    AppendLine(W, t.InputData);

    W.SetFont(ReportFixedFont, true, 12);
    AppendLine(W, PadReportLine(t.HydraulicOil, Data.OilGrade, QStringLiteral(" ")));
    W.SetFont(ReportFixedFont, false, 12);
    const std::array<QString, TSelectionReportData::InputCount> inputLabels{
        t.OilFlow, t.MaxInletTemp, t.AirTemp, t.Altitude, t.CoolingRequired};
    for (int i = 0; i < TSelectionReportData::InputCount; ++i)
        AppendDataLine(W, inputLabels[i], InputValue(Data.Inputs[i].Text, Data.Inputs[i].Unit));
    W.AppendText(BlankLine);
    AppendLine(W, t.CalculatedData);

    W.SetFont(ReportFixedFont, true, 12);
    AppendDataLine(W, t.InletOilTemp, ResultValue(Data.OilInletTemp));
    W.SetFont(ReportFixedFont, false, 12);
    AppendDataLine(W, t.OutletOilTemp, ResultValue(Data.OilOutletTemp));
    AppendDataLine(W, t.OutletAirTemp, ResultValue(Data.AirOutletTemp));
    AppendDataLine(W, HeatLabel(t, Data), HeatDissipationValue(Data.HeatLoad));
    if (Data.HeatLoadHighlighted || Data.OilInletTempHighlighted)
        AppendLine(W, ShortfallNote(t, Data));
    AppendDataLine(W, t.OilPressure, ResultValue(Data.OilPressure));
    AppendDataLine(W, t.AirFlow, ResultValue(Data.AirFlow));
    AppendDataLine(W, MotorLabel(t, Data), ResultValue(Data.MotorCapacity));
    AppendDataLine(W, t.NoiseLevel, ResultValue(Data.NoiseLevel));
    // The US catalogue states no protection class.
    if (!Report.USEdition && !Data.Protection.isEmpty())
        AppendLine(W, PadReportLine(t.Protection, Data.Protection, QStringLiteral(" ")));
    AppendDataLine(W, t.Weight, ResultValue(ModelWeightText(Report)));
    W.AppendText(BlankLine);
    if (!Diagram.isNull()) {
        W.AppendPicture(Diagram, ReportDiagramWidth);
        W.AppendText(BlankLine);
    }
    AppendLine(W, t.Information);

    W.SetFont(ReportFixedFont, false, 8);
    AppendLine(W, t.CatalogueNote);
    AppendLine(W, t.AlterationsNote);
    W.Finish();
}
