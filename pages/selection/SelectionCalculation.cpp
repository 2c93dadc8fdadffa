#include "pages/selection/SelectionController.h"

#include "core/EngineState.h"
#include "core/MessageService.h"
#include "engine/CoolerSeries.h"
#include "pages/selection/SelectionEntries.h"

namespace {

constexpr int MaxMessageLength = 255;

// The text colour that stays readable on a result background.
TColor ReadableOn(TColor background) {
    return background == clWhite ? clBlack : clWhite;
}

} // namespace

void TSelectionController::CaptureInputs() {
    TEngineState& s = EngineState();
    s.OilFlowCaptionStr = View.GroupCaption(TSelectionGroup::OilFlow);
    s.OilFlowInputStr = View.EntryText(TSelectionEntry::OilFlow);
    s.MaxTempCaptionStr = View.GroupCaption(TSelectionGroup::MaxTemp);
    s.MaxTempInputStr = View.EntryText(TSelectionEntry::MaxTemp);
    s.AirTempCaptionStr = View.GroupCaption(TSelectionGroup::AirTemp);
    s.AirTempInputStr = View.EntryText(TSelectionEntry::AirTemp);
    s.HeatDissiCaptionStr = View.GroupCaption(TSelectionGroup::HeatDiss);
    s.HeatDissiInputStr = View.EntryText(TSelectionEntry::HeatDiss);
    s.AltitudeCaptionStr = View.GroupCaption(TSelectionGroup::Altitude);
    s.FlowUnitIdx = View.ListIndex(TSelectionList::OilFlowUnit);
    s.OilTempUnitIdx = View.ListIndex(TSelectionList::MaxTempUnit);
    s.AirTempUnitIdx = View.ListIndex(TSelectionList::AirTempUnit);
    s.AltitudeUnitIdx = View.ListIndex(TSelectionList::AltitudeUnit);
    s.HeatUnitIdx = View.ListIndex(TSelectionList::HeatDissUnit);
}

void TSelectionController::ReadPumpFlowEntry() {
    float flow = 0;
    if (!TUnitConv().StringToFloat(flow, View.EntryText(TSelectionEntry::OilFlow).left(255),
                                   View.GroupCaption(TSelectionGroup::OilFlow)))
        return;
    int decimals = 0;
    EngineState().InOilFlow =
        TUnitConv().FlowToLiterPerMin(decimals, flow, View.ListIndex(TSelectionList::OilFlowUnit));
}

TLimitResultError TSelectionController::CalcSelectedCoolerData(std::optional<float> InletTemp) {
    TLimitResultError result = LR_UNKNOWN_ERR; // when the model's data cannot be read
    RunAction([&] {
        TEngineState& s = EngineState();
        const QString section = PickedSectionName();
        const QString oil = OilSectionName();
        CaptureInputs();
        s.HeatLoadCaptionStr = View.ResultCaption(TResultLine::HeatLoad);

        TCoolerSeries series(SeriesTraitsOf(s.CurrentCoolerType), section, s.IniFilePath, oil);
        if (series.Traits().PumpFlow)
            ReadPumpFlowEntry();
        QString message;
        uint8_t warning = WR_NON;
        result =
            series.CalcSelectedCooler(message, MaxMessageLength, s.HeatUnitIdx, warning, InletTemp);
        View.SetResultValue(TResultLine::ProtectionStd, series.ProtectionText());

        if (result != LR_OK && s.ShowMessagesFLG) {
            ClearOnNewCoolerType(false);
            Messages().Error(message);
        }
        if (result == LR_OK) {
            View.SetResultValue(TResultLine::OilOutletTemp, s.OilTempOutStr);
            View.SetResultValue(TResultLine::OilInletTemp, s.OilTempInStr);
            View.SetResultValue(TResultLine::AirOutletTemp, s.AirTempOutStr);
            View.SetResultValue(TResultLine::HeatLoad, s.HeatLoadStr);
            View.SetResultValue(TResultLine::OilPressure, s.PressureDropStr);
            View.SetResultValue(TResultLine::AirFlow, s.AirFlowStr);
            View.SetResultValue(TResultLine::MotorCapacity, s.MotorCapacityStr);
            View.SetResultValue(TResultLine::NoiseLevel, s.NoiseLevelStr);
            View.SetPrintEnabled(true);
            PrinterEnableFLG = true;
        }
    });
    return result;
}

bool TSelectionController::SolveInletTemperature() {
    // In the fixed required cooling mode the inlet temperature is the one at which the model
    // removes exactly the required cooling; a few runs settle it. It is a result: the user's
    // maximum stays as typed, and the engine state keeps the dissipation at that maximum,
    // which the colours compare.
    TEngineState& s = EngineState();
    const double dissipation = s.LastActualDissipation;
    bool solved = true;
    // A failing run has cleared the page and told why; running on would only repeat it.
    for (int run = 0; run < TCoolerHlp::InletSolvingRuns && solved; ++run)
        solved = CalcSelectedCoolerData(s.InHeatDissi / s.LastSpecHeat + s.InAirTemp) == LR_OK;
    s.LastActualDissipation = dissipation;
    return solved;
}

void TSelectionController::btCalcSelectedCoolerClick() {
    if (!CommitEntries())
        return;
    RunAction([&] {
        TEngineState& s = EngineState();
        s.LastCalcResult = CalcSelectedCoolerData();
        const bool calculated =
            s.LastCalcResult == LR_OK && (s.FixedInletTempFLG || SolveInletTemperature());
        // A failure that was told has cleared the page: its colours stay white rather than
        // judging the results of an earlier calculation.
        if (calculated || !s.ShowMessagesFLG)
            ApplyColorRule();
    });
}

void TSelectionController::ApplyColorRule() {
    TEngineState& s = EngineState();
    // The shortfall shows where the user can act: on the required cooling when the inlet
    // temperature is fixed, on the inlet temperature when the cooling is.
    // An inlet temperature above the maximum is one in either mode.
    const bool shortfall = s.LastActualDissipation < s.InHeatDissi;
    const TColor heatColor = shortfall && s.FixedInletTempFLG ? clRed : clWhite;
    const TColor temperatureColor =
        (shortfall && !s.FixedInletTempFLG) || InletAboveMaximum() ? clRed : clWhite;
    s.HeatLoadColor = heatColor;
    s.HeatDissiEditColor = heatColor;
    s.MaxTempEditColor = temperatureColor;
    s.OilInletTempColor = temperatureColor;

    View.SetResultValueColors(TResultLine::HeatLoad, s.HeatLoadColor, ReadableOn(s.HeatLoadColor));
    View.SetEntryColor(TSelectionEntry::HeatDiss, s.HeatDissiEditColor);
    View.SetEntryColor(TSelectionEntry::MaxTemp, s.MaxTempEditColor);
    View.SetEntryFontColor(TSelectionEntry::MaxTemp, ReadableOn(s.MaxTempEditColor));
    View.SetResultValueColors(TResultLine::OilInletTemp, s.OilInletTempColor,
                              ReadableOn(s.OilInletTempColor));
    View.SetResultValueColors(TResultLine::AirOutletTemp, s.AirOutletTempColor, clBlack);
    View.SetResultValueColors(TResultLine::OilOutletTemp, s.OilOutletTempColor, clBlack);
}

bool TSelectionController::InletAboveMaximum() {
    const TEngineState& s = EngineState();
    return s.LastOilTempIn > s.InMaxOilTemp;
}

void TSelectionController::btCalcNewCoolerClick() {
    if (!CommitEntries())
        return;
    RunAction([&] {
        TEngineState& s = EngineState();
        const TShowMessagesAfterwards showMessages;
        s.ShowMessagesFLG = true;
        const QString oil = OilSectionName();
        CaptureInputs();
        TCoolerHlp{oil, s.IniFilePath}; // loads the oil data of the grade
        const TLimitResultError limits =
            TCoolerHlp::CheckInputLimits(s.InMaxOilTemp, s.InAirTemp, s.InAltitude, s.InHeatDissi);
        if (limits != LR_OK) {
            Messages().Error(TCoolerHlp::CheckLimitResult(limits, 0, 0));
            return;
        }

        const QString section = PickedSectionName();
        CoolerSamples = {};
        SetColumnWidths();
        TFoundResult found = FR_NON;
        if (s.CurrentCoolerType == VCS_Cooler)
            EntryExit(TSelectionEntry::OilFlow);
        {
            TCoolerSeries series(SeriesTraitsOf(s.CurrentCoolerType), section, s.IniFilePath, oil);
            QStringList models;
            ModelLists.FillComboBoxDim(series.Traits().CoolerType, models, cbShadow);
            View.SetListItems(TSelectionList::Model, models);
            View.SetListIndex(TSelectionList::Model, 0);
            series.PrepCoolChooseTbl(s.IniFilePath, cbShadow);
            int32_t chosen = 0;
            uint8_t warnings = WR_NON;
            found = series.ChooseCooler(chosen, warnings, s.IniFilePath, cbShadow);
            View.SetResultValue(TResultLine::ProtectionStd, series.ProtectionText());

            // A model whose confirmation failed still stands for the place in the list where
            // the required cooling lies, so its neighbours are offered.
            if (found == FR_FOUND || chosen > 0) {
                View.SetListIndex(TSelectionList::Model, chosen);
                if (series.Traits().PumpFlow)
                    ShowPumpFlow(chosen);
                FillCoolerSamples(chosen);
                if (CoolerSamples.CoolerSamplesCnt > 0) {
                    found = FR_FOUND;
                } else if (found == FR_FOUND) {
                    // Not even the chosen model could be listed: there is nothing to show.
                    Messages().Error(s.NoCoolerStr);
                    found = FR_NON;
                }
            }
        }

        if (found != FR_FOUND) {
            ClearOnNewCoolerType(false);
            return;
        }
        View.SetGridRows(GridRows());
        View.SetGridVisible(true);
        View.SetListIndex(TSelectionList::Model, CoolerSamples.CoolerSamplesType[1]);
        if (s.CurrentCoolerType == VCS_Cooler)
            ShowPumpFlow(CoolerSamples.CoolerSamplesType[1]);
        btCalcSelectedCoolerClick();
        View.SetPrintEnabled(true);
        PrinterEnableFLG = true;
        View.SetGridSelectedRow(1);
        ShowSelectionDiagram();
    });
}
