#include "pages/heatload/HeatLoadController.h"

#include "core/MessageService.h"
#include "pages/heatload/HeatLoadInputs.h"
#include "units/NumericText.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int MaxMessageLength = 255;

// A value too large for single precision after a conversion is held as the largest one, so no
// entry ever shows an infinity; the range check still refuses it.
float Held(float value) {
    constexpr float largest = std::numeric_limits<float>::max();
    return std::clamp(value, -largest, largest);
}

// What the range message adds to the caption of the input at fault: the range the check
// accepts, in base units whatever unit the user works in.
QString RangeSuffix(TCoolCalcResult verdict) {
    switch (verdict) {
    case CoolVolumeErr:
        return QStringLiteral(" (0 - 3000)");
    case CoolDensityErr:
        return QStringLiteral(" (0 - 2)");
    case CoolHeatCapaErr:
        return QStringLiteral(" (1.8 - 2.1)");
    case CoolStartTempErr:
        return QStringLiteral(" (-30 - 100)");
    case CoolEndtempErr:
        return QStringLiteral(" (< 100)");
    case CoolTimeIntervalErr:
        return QStringLiteral(" (>0)");
    case CoolInDataOk:
    case CoolStartEndTempErr:
        break;
    }
    return QString();
}

THeatLoadEntry EntryAtFault(TCoolCalcResult verdict) {
    switch (verdict) {
    case CoolVolumeErr:
        return THeatLoadEntry::OilVolume;
    case CoolDensityErr:
        return THeatLoadEntry::Density;
    case CoolHeatCapaErr:
        return THeatLoadEntry::HeatCapa;
    case CoolStartTempErr:
        return THeatLoadEntry::StartTemp;
    case CoolTimeIntervalErr:
        return THeatLoadEntry::TimeInterval;
    case CoolInDataOk:
    case CoolEndtempErr:
    case CoolStartEndTempErr:
        break;
    }
    return THeatLoadEntry::EndTemp;
}

} // namespace

THeatLoadController::THeatLoadController(THeatLoadView& View, TStoredValues& Settings,
                                         TMessageService& Messages)
    : View(View), Settings(Settings), Messages(Messages) {}

bool THeatLoadController::EntryExit(THeatLoadEntry Entry) {
    if (Entry == THeatLoadEntry::Result)
        return true; // the page's own, never typed; it may hold the focus all the same
    const THeatLoadInput& input = InputOf(Entry);
    const QString text = View.EntryText(Entry);
    float value = 0;
    if (!TUnitConv(Messages, View.ThousandsReadingsStr())
             .StringToFloat(value, text, View.GroupCaption(Entry))) {
        // The screen never shows a number other than the one the calculation would use.
        ShowInput(Entry);
        View.SetEntryFocus(Entry);
        return false;
    }
    int decimals = 0;
    Values.*input.Field =
        input.ToBase ? Held(input.ToBase(decimals, value, View.ListIndex(Entry))) : value;
    View.SetEntryText(
        Entry, FormatFixed(value, HeatLoadPrecision, TUnitConv::GetNoOfDeciFromString(text)));
    return true;
}

void THeatLoadController::UnitChange(THeatLoadEntry Entry) {
    // The time has only minutes to choose from.
    if (Entry != THeatLoadEntry::TimeInterval)
        ShowInput(Entry);
}

void THeatLoadController::ShowInput(THeatLoadEntry Entry) {
    const THeatLoadInput& input = InputOf(Entry);
    const float held = Values.*input.Field;
    if (!input.FromBase) {
        // Minutes, with as many decimals as a temperature of that size.
        View.SetEntryText(Entry,
                          FormatFixed(held, HeatLoadPrecision, TUnitConv::GetNoOfDeciSer2(held)));
        return;
    }
    int decimals = 0;
    const float shown = Held(input.FromBase(decimals, held, View.ListIndex(Entry)));
    View.SetEntryText(Entry, FormatFixed(shown, HeatLoadPrecision, decimals));
}

void THeatLoadController::btCalculateHeatDissiClick() {
    // The entry being typed into is read first, so the result belongs to what the screen shows.
    const std::optional<THeatLoadEntry> focused = View.FocusedEntry();
    if (focused && !EntryExit(*focused))
        return;

    TCoolCalc calculator;
    const TCoolCalcResult verdict =
        calculator.IndataOk(Values.OilVolume, Values.Density, Values.HeatCapa, Values.StartTemp,
                            Values.EndTemp, Values.TimeInterval);
    if (verdict != CoolInDataOk) {
        Messages.Error(RangeMessage(verdict));
        return;
    }
    float kW = 0;
    calculator.CoolCalculate(kW);
    LastCalculatedkW = kW;
    Values.UnitlResultHeatDissi = static_cast<uint8_t>(View.ListIndex(THeatLoadEntry::Result));
    int decimals = 0;
    Values.DissiResult =
        Held(TUnitConv::HeatDissiFromkW(decimals, kW, Values.UnitlResultHeatDissi));
    ShowResult(decimals);
    HandOverCalculatedResult();
}

QString THeatLoadController::RangeMessage(TCoolCalcResult Verdict) const {
    const QString suffix = Verdict == CoolStartEndTempErr
                               ? QStringLiteral(" (%1 - %2)")
                                     .arg(View.EntryText(THeatLoadEntry::EndTemp),
                                          View.EntryText(THeatLoadEntry::StartTemp))
                               : RangeSuffix(Verdict);
    return (View.GroupCaption(EntryAtFault(Verdict)) + QLatin1Char(' ') + View.OutOfRangeStr() +
            suffix)
        .left(MaxMessageLength);
}

void THeatLoadController::cbUnitlResultHeatDissiChange() {
    // The result held is converted, not the text it is shown as: 5 W shown as 0.01 kW are
    // still 5 W in W, and switching back and forth never drifts.
    int decimals = 0;
    const float kW =
        Held(TUnitConv::HeatDissiTokW(decimals, Values.DissiResult, Values.UnitlResultHeatDissi));
    Values.UnitlResultHeatDissi = static_cast<uint8_t>(View.ListIndex(THeatLoadEntry::Result));
    Values.DissiResult =
        Held(TUnitConv::HeatDissiFromkW(decimals, kW, Values.UnitlResultHeatDissi));
    ShowResult(decimals);
    HandOverCalculatedResult();
}

void THeatLoadController::HandOverCalculatedResult() {
    // Only a calculated result is the required cooling of anything.
    if (LastCalculatedkW)
        View.HandOverRequiredCooling(View.EntryText(THeatLoadEntry::Result),
                                     Values.UnitlResultHeatDissi);
}

void THeatLoadController::ShowResult(int Decimals) {
    View.SetEntryText(THeatLoadEntry::Result,
                      FormatFixed(Values.DissiResult, HeatLoadPrecision, Decimals));
}

void THeatLoadController::ResetInputs() {
    // The texts are the page's own, whatever the regional decimal separator.
    const QString zero = QStringLiteral("0.00");
    for (THeatLoadEntry entry : HeatLoadEntries)
        View.SetEntryText(entry, zero);
    View.SetEntryText(THeatLoadEntry::Density, QStringLiteral("0,89"));
    View.SetEntryText(THeatLoadEntry::HeatCapa, QStringLiteral("2,08"));
    Values = THeatLoadFields{};
    LastCalculatedkW.reset();
}
