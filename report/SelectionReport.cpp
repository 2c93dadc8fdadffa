#include "report/SelectionReport.h"

#include "core/EngineState.h"
#include "core/RegionalSettings.h"
#include "engine/CoolerCatalogue.h"
#include "engine/VerDep.h"
#include "report/DocumentWriter.h"
#include "report/Logo.h"
#include "report/ReportLines.h"
#include "report/ReportTextKeys.h"
#include "settings/VersUnit.h"
#include "texts/Language.h"
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
QString ModelWeightText(const QString& CatalogueName) {
    const TEngineState& s = EngineState();
    const TVerDep names;
    const ModelRecord model =
        ReadModelRecord(names.ChangeToSectionName(CatalogueName, s.CurrentCoolerType),
                        s.IniFilePath, names.ChangeToCoolerIniFilename(s.CurrentCoolerType));
    return WeightText(static_cast<float>(model[Catalogue::Weight]),
                      s.USVersionFLG ? Ord(TWeight::lb) : Ord(TWeight::kg));
}

// The note on a shortfall names what the user can change: the inlet temperature when the
// cooling is fixed, the cooling when the inlet temperature is.
QString ShortfallNote(TLanguage& Store) {
    const TLanguagePageType loaded = Store.GetLastLanguagePage();
    Store.NewPageText(MainGroup);
    const QString note =
        Store.GetTxt(EngineState().FixedInletTempFLG ? ReportTextKey::HeatLoadTooLowNote
                                                     : ReportTextKey::InletTempTooHighNote);
    Store.NewPageText(loaded);
    return note;
}

} // namespace

void WriteSelectionReport(TDocumentWriter& W, const TSelectionReportData& Data, TLanguage& Store,
                          const QDate& Today, const QImage& Diagram) {
    const TEngineState& s = EngineState();
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
    AppendLine(W,
               s.DateTextStr.str() + QLatin1Char(' ') + Today.toString(Regional().ShortDateFormat));
    W.AppendText(BlankLine);
    AppendLine(W, s.YourRefTextStr.str() + QLatin1Char(' ') + s.YourRefStr.str());
    AppendLine(W, s.OurRefTextStr.str() + QLatin1Char(' ') + s.OurRefStr.str());
    W.AppendText(BlankLine);
    AppendLine(W, s.InputDataTextStr);

    W.SetFont(ReportFixedFont, true, 12);
    AppendLine(W, PadReportLine(s.HydraulicOilTextStr, Data.OilGrade, QStringLiteral(" ")));
    W.SetFont(ReportFixedFont, false, 12);
    const std::array<QString, TSelectionReportData::InputCount> inputLabels{
        s.OilFlowTextStr, s.MaxInletTempTextStr, s.AirTempTextStr, s.AltitudeTextStr,
        s.CoolingRequiredTextStr};
    for (int i = 0; i < TSelectionReportData::InputCount; ++i)
        AppendDataLine(W, inputLabels[i], InputValue(Data.Inputs[i].Text, Data.Inputs[i].Unit));
    W.AppendText(BlankLine);
    AppendLine(W, s.CalculatedDataTextStr);

    W.SetFont(ReportFixedFont, true, 12);
    AppendDataLine(W, s.InletOilTempTextStr, ResultValue(Data.OilInletTemp));
    W.SetFont(ReportFixedFont, false, 12);
    AppendDataLine(W, s.OutletOilTempTextStr, ResultValue(Data.OilOutletTemp));
    AppendDataLine(W, s.OutletAirTempTextStr, ResultValue(Data.AirOutletTemp));
    AppendDataLine(W, s.HeatDissiTextStr, HeatDissipationValue(Data.HeatLoad));
    if (Data.HeatLoadHighlighted || Data.OilInletTempHighlighted)
        AppendLine(W, ShortfallNote(Store));
    AppendDataLine(W, s.OilPressureTextStr, ResultValue(Data.OilPressure));
    AppendDataLine(W, s.AirFlowTextStr, ResultValue(Data.AirFlow));
    AppendDataLine(W, s.MotorCapacityTextStr, ResultValue(Data.MotorCapacity));
    AppendDataLine(W, s.NoiseLevelTextStr, ResultValue(Data.NoiseLevel));
    // The US catalogue states no protection class.
    if (!s.USVersionFLG && !Data.Protection.isEmpty())
        AppendLine(W, PadReportLine(s.ProtectionTextStr, Data.Protection, QStringLiteral(" ")));
    AppendDataLine(W, s.WeightTextStr, ResultValue(ModelWeightText(Data.CatalogueName)));
    W.AppendText(BlankLine);
    if (!Diagram.isNull()) {
        W.AppendPicture(Diagram, ReportDiagramWidth);
        W.AppendText(BlankLine);
    }
    AppendLine(W, s.InformationTextStr);

    W.SetFont(ReportFixedFont, false, 8);
    AppendLine(W, s.CatalogueNoteStr);
    AppendLine(W, s.AlterationsNoteStr);
    W.Finish();
}
