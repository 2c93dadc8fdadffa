#include "pages/selection/SelectionController.h"

#include "core/DataFault.h"
#include "core/MessageService.h"
#include "engine/VerDep.h"
#include "pages/selection/SelectionEntries.h"
#include "pages/selection/SelectionLimits.h"
#include "pages/selection/SelectionPageItems.h"
#include "pages/selection/SelectionTextKeys.h"
#include "texts/Language.h"
#include "units/NumericText.h"
#include "units/UnitConv.h"

#include <cmath>
#include <limits>

namespace {

// The standard pump flow in l/min that suits the flow held before, for an entry that could
// not be read.
float StandardPumpFlow(float previousFlow) {
    if (previousFlow <= 30)
        return 20;
    if (previousFlow <= 47)
        return 40;
    if (previousFlow <= 57)
        return 55;
    if (previousFlow <= 70)
        return 60;
    return 80;
}

} // namespace

TSelectionController::TSelectionController(TSelectionView& View, TStoredValues& Settings,
                                           TMessageService& Messages,
                                           const TSelectionModelLists& ModelLists)
    : View(View), Settings(Settings), Messages(Messages), ModelLists(ModelLists) {}

void TSelectionController::RunAction(const std::function<void()>& Body) {
    // Actions run one another; a data error stops the action the user started, so only the
    // outermost one reports it.
    ++ActionDepth;
    struct TLeave {
        int& Depth;
        ~TLeave() { --Depth; }
    } leave{ActionDepth};
    if (ActionDepth > 1) {
        Body();
        return;
    }
    try {
        Body();
    } catch (const EDataFault& e) {
        // Nothing calculated from a damaged file may stay on the page.
        ClearOnNewCoolerType(false);
        Messages.Error(e.Message());
    }
}

void TSelectionController::InitialisePage() {
    RunAction([&] {
        View.SetGridVisible(false);
        View.SetPrintEnabled(false);
        PrinterEnableFLG = false;
        ClearOnNewCoolerType(true);
        View.SetResultLineVisible(TResultLine::ProtectionStd, View.Edition() != TEdition::US);
    });
}

void TSelectionController::WriteEntry(TSelectionEntry Entry, const QString& Text) {
    if (View.EntryText(Entry) == Text)
        return;
    View.SetEntryText(Entry, Text);
    EntryChange(Entry);
}

void TSelectionController::EntryExit(TSelectionEntry Entry) {
    ExitEntry(Entry);
}

bool TSelectionController::ExitEntry(TSelectionEntry Entry) {
    bool read = false;
    RunAction([&] {
        const TEntryQuantity& quantity = QuantityOf(Entry);
        const QString text = View.EntryText(Entry).left(255);
        float value = 0;
        if (TUnitConv(Messages, View.ThousandsReadingsStr())
                .StringToFloat(value, text, View.GroupCaption(quantity.Group))) {
            int decimals = 0;
            float converted = quantity.ToBase(decimals, value, View.ListIndex(quantity.UnitList));
            // A number that overflows once converted is held as the largest one, far outside
            // every range, so that no entry ever shows an infinity.
            if (!std::isfinite(converted))
                converted = std::copysign(std::numeric_limits<float>::max(), converted);
            Point.*quantity.Field = converted;
            if (Entry == TSelectionEntry::OilFlow && CurrentCoolerType != VCS_Cooler)
                TypedOilFlow = converted;
            WriteEntry(Entry,
                       FormatFixed(value, EntryPrecision, TUnitConv::GetNoOfDeciFromString(text)));
            read = true;
            return;
        }
        View.SetEntryFocus(Entry);
        if (Entry == TSelectionEntry::OilFlow && CurrentCoolerType == VCS_Cooler) {
            // A cooling system always runs at one of its pumps' flows.
            View.SetEntryFontColor(Entry, clBlue);
            Point.OilFlow =
                StandardPumpFlow(Point.OilFlow) * (View.Edition() == TEdition::US ? 1.2f : 1.0f);
            ShowOilFlow(Point.OilFlow);
            return;
        }
        // The entry shows the value its field keeps, so that what the screen shows is what a
        // calculation uses.
        if (Entry == TSelectionEntry::OilFlow)
            View.SetEntryFontColor(Entry, clBlack);
        ShowStoredValue(Entry);
    });
    return read;
}

bool TSelectionController::CommitEntries() {
    // Only the action the user started reads the entry being typed in: an accelerator or the
    // Return key runs a button without the entry being left. The actions it runs in turn find
    // the entries read.
    if (ActionDepth > 0)
        return true;
    if (const std::optional<TSelectionEntry> focused = View.FocusedEntry()) {
        if (!ExitEntry(*focused))
            return false;
    }
    for (TSelectionEntry entry : SelectionEntries) {
        TRecordingMessages silent;
        float value = 0;
        if (!TUnitConv(silent).StringToFloat(value, View.EntryText(entry).left(255),
                                             View.GroupCaption(QuantityOf(entry).Group))) {
            ExitEntry(entry);
            return false;
        }
    }
    return true;
}

void TSelectionController::ShowOilFlow(float FlowLiterPerMin) {
    int decimals = 0;
    const float shown = TUnitConv::FlowFromLiterPerMin(decimals, FlowLiterPerMin,
                                                       View.ListIndex(TSelectionList::OilFlowUnit));
    WriteEntry(TSelectionEntry::OilFlow, FormatFixed(shown, EntryPrecision, decimals));
}

void TSelectionController::UnitChange(TSelectionEntry Entry) {
    RunAction([&] {
        ShowStoredValue(Entry);
        if (Entry == TSelectionEntry::Altitude)
            ShowNoiseCaption();
        // Results that survive the change keep their diagram, in the new unit.
        if (View.GridVisible())
            ShowSelectionDiagram();
    });
}

void TSelectionController::ShowStoredValue(TSelectionEntry Entry) {
    const TEntryQuantity& quantity = QuantityOf(Entry);
    int decimals = 0;
    float shown =
        quantity.FromBase(decimals, Point.*quantity.Field, View.ListIndex(quantity.UnitList));
    // In some units the largest values overflow; the entry shows the largest number instead.
    if (!std::isfinite(shown))
        shown = std::copysign(std::numeric_limits<float>::max(), shown);
    WriteEntry(Entry, FormatFixed(shown, quantity.UnitChangePrecision, decimals));
}

void TSelectionController::ShowNoiseCaption() {
    // The noise is measured at 1 m or at 3 ft, whichever the altitude unit suggests. The page's
    // texts are the ones loaded while the page is shown.
    TLanguage* language = View.TextStore();
    if (!language)
        return;
    if (language->GetLastLanguagePage() != Page_1)
        language->NewPageText(Page_1);
    const bool feet = View.ListIndex(TSelectionList::AltitudeUnit) != 0;
    View.SetResultCaption(TResultLine::NoiseLevel, language->GetTxt(NoiseCaptionKey(feet)));
}

void TSelectionController::EntryChange(TSelectionEntry Entry) {
    RunAction([&] {
        // A cooling system's oil flow is its pump's, filled in by the program: showing it voids
        // nothing.
        if (Entry != TSelectionEntry::OilFlow || CurrentCoolerType != VCS_Cooler)
            ClearOnNewCoolerType(false);
    });
}

void TSelectionController::edOilflowCoolerDataClick() {
    RunAction([&] { ClearOnNewCoolerType(false); });
}

void TSelectionController::cbOilCoolerDataChange() {
    RunAction([&] { ClearOnNewCoolerType(false); });
}

void TSelectionController::ClearOnNewCoolerType(bool ClearAllFLG) {
    RunAction([&] {
        if (ClearAllFLG) {
            // Written directly: each entry's change action would only clear the page again.
            for (TSelectionEntry entry : SelectionEntries) {
                View.SetEntryText(entry, QStringLiteral("0"));
                Point.*QuantityOf(entry).Field = 0;
            }
            TypedOilFlow = 0;
        }
        if (CurrentCoolerType != VCS_Cooler) {
            View.SetEntryReadOnly(TSelectionEntry::OilFlow, false);
            View.SetEntryFontColor(TSelectionEntry::OilFlow, clBlack);
            View.SetEntryFontColor(TSelectionEntry::MaxTemp, clBlack);
        }
        ShowMotorCaption();
        for (int line = 0; line < ResultLineCount; ++line)
            View.SetResultValue(static_cast<TResultLine>(line), QString());
        View.SetEntryColor(TSelectionEntry::MaxTemp, clWhite);
        View.SetEntryColor(TSelectionEntry::HeatDiss, clWhite);
        for (TResultLine line : {TResultLine::OilInletTemp, TResultLine::HeatLoad,
                                 TResultLine::AirOutletTemp, TResultLine::OilOutletTemp})
            View.SetResultValueColors(line, clWhite, clBlack);
        View.SetGridVisible(false);
        Sized.reset();
        Shown.reset();
        View.ClearDiagram();
        View.SetPrintEnabled(false);
        PrinterEnableFLG = false;
    });
}

QString TSelectionController::OilSectionName() const {
    QString grade = View.ListItems(TSelectionList::Oil).value(View.ListIndex(TSelectionList::Oil));
    if (grade.isEmpty())
        grade = DefaultOilGrade;
    return TVerDep().ChangeToValidFilename(grade);
}

QString TSelectionController::PickedSectionName() const {
    return TVerDep().ChangeToSectionName(cbShadow.value(View.ListIndex(TSelectionList::Model)),
                                         CurrentPoint().Series);
}

void TSelectionController::SeriesClick(TCoolerType Series) {
    RunAction([&] {
        Settings.SetRegInteger(0, Page1Key, QStringLiteral("CoolerTypeCombo"));
        SwitchSeries(Series);
    });
}

void TSelectionController::ShowMotorCaption() {
    // Hydraulic-motor coolers have a fan driven by the system's own oil: its power is asked for.
    View.SetResultCaption(TResultLine::MotorCapacity, CurrentCoolerType == Cooler_System
                                                          ? View.PowerCapacityCoolerTextStr()
                                                          : View.MotorCapacityCoolerTextStr());
}

void TSelectionController::FillInPumpFlow(bool DisableEntry) {
    ReadOil(); // the grade is checked as for any calculation
    const ModelRecord system = ReadModel(View.ListIndex(TSelectionList::Model));
    View.SetEntryFontColor(TSelectionEntry::OilFlow, clBlue);
    Point.OilFlow = static_cast<float>(system[Catalogue::MaxFlow]);
    WriteEntry(TSelectionEntry::OilFlow,
               FlowLimitText(Point.OilFlow, View.ListIndex(TSelectionList::OilFlowUnit)));
    if (DisableEntry)
        View.SetEntryEnabled(TSelectionEntry::OilFlow, false);
}

void TSelectionController::cbTypeCoolerDataChange() {
    RunAction([&] {
        ClearOnNewCoolerType(false);
        if (View.SelectedSeries() == VCS_Cooler && CurrentCoolerType == VCS_Cooler)
            FillInPumpFlow(false);
    });
}

void TSelectionController::SetFixedInletTemperature(bool Value) {
    RunAction([&] {
        FixedInletTempFLG = Value;
        View.SetFixedTempSelected(Value);
        View.ApplyLanguageTexts(); // the heat-load caption names the mode's quantity
        ClearOnNewCoolerType(false);
    });
}

void TSelectionController::rbFixedTempClick() {
    RunAction([&] {
        SetFixedInletTemperature(true);
        SaveFixedTempMode();
    });
}

void TSelectionController::rbFixedPowerClick() {
    RunAction([&] {
        SetFixedInletTemperature(false);
        SaveFixedTempMode();
    });
}

void TSelectionController::SaveFixedTempMode() {
    Settings.SetRegInteger(FixedInletTempFLG ? 1 : 0, Page1Key, QStringLiteral("FixedTempMode"));
}

void TSelectionController::LoadFixedTempMode() {
    RunAction([&] {
        // The mode is only the user's to choose while its group is shown.
        int32_t stored = 0;
        const bool fixedTemp =
            View.ModeGroupVisible() &&
            Settings.GetRegInteger(stored, Page1Key, QStringLiteral("FixedTempMode")) &&
            stored != 0;
        SetFixedInletTemperature(fixedTemp);
    });
}
