#include "pages/selection/SelectionController.h"

#include "core/MessageService.h"
#include "core/RegionalSettings.h"
#include "pages/selection/SelectionEntries.h"
#include "texts/Language.h"
#include "units/NumericText.h"

#include <algorithm>
#include <cmath>

namespace {

const QString CoolerTypeValue = QStringLiteral("CoolerType");
const QString CoolerTypeComboValue = QStringLiteral("CoolerTypeCombo");
const QString OilTypeValue = QStringLiteral("OilTypeCombo");
constexpr int LastOilGrade = 9;

// An entry's stored values: the position of its unit and the number it showed, in that unit.
struct TStoredEntry {
    TSelectionEntry Entry;
    const char* UnitValue;
    int LastUnit;
    const char* NumberValue;
};
constexpr std::array<TStoredEntry, 5> StoredEntries{{
    {TSelectionEntry::OilFlow, "OilflowCombo", 5, "OilflowData"},
    {TSelectionEntry::MaxTemp, "MaxTempCombo", 1, "MaxTempData"},
    {TSelectionEntry::AirTemp, "AirTempCombo", 1, "AirTempData"},
    {TSelectionEntry::Altitude, "AltitudeCombo", 1, "AltitudeData"},
    {TSelectionEntry::HeatDiss, "HeatDissCombo", 4, "HeatDissData"},
}};
constexpr int LastHeatUnit = 4;

// A number as the settings store keeps it: a point as decimal sign whatever the regional
// settings, so that a change of them never makes a stored entry unreadable.
QString StoredNumber(float Value, int Decimals) {
    return FormatFixed(Value, EntryPrecision, Decimals)
        .replace(Regional().DecimalSeparator, QLatin1Char('.'));
}

} // namespace

void TSelectionController::FillSelectionModelList(TCoolerType Series) {
    RunAction([&] {
        int32_t position = 0;
        Settings.GetRegInteger(position, Page1Key, CoolerTypeComboValue);
        View.SetDisclaimerText(View.AlterationsNoteStr());

        const bool knownSeries = Series == AC_Cooler || Series == DC_Cooler || Series == VCS_Cooler;
        const TCoolerType listed = knownSeries ? Series : Cooler_System;
        QStringList models;
        ModelLists.FillComboBoxDim(listed, View.RpmTextStr(), models, cbShadow);
        View.SetListItems(TSelectionList::Model, models);
        View.SetListIndex(TSelectionList::Model, 0);
        CurrentCoolerType = listed; // the dimensions page follows with the same series
        View.ShowDimensionSeries(listed);
        // Hydraulic-motor coolers have no electric motor to protect.
        View.SetResultCaption(TResultLine::ProtectionStd, listed == Cooler_System
                                                              ? QString()
                                                              : View.ProtectionStdCoolerTextStr());

        const int last = static_cast<int>(models.size()) - 1;
        View.SetListIndex(TSelectionList::Model, std::min(std::max(position, 0), last));
        View.SetPrintEnabled(PrinterEnableFLG);
    });
}

void TSelectionController::StoreInputs() {
    RunAction([&] {
        const int32_t series = View.SelectedSeries().value_or(AC_Cooler);
        const int32_t model = View.ListIndex(TSelectionList::Model);
        for (const QString& key : {Page1Key, Page3Key}) {
            Settings.SetRegInteger(series, key, CoolerTypeValue);
            Settings.SetRegInteger(model, key, CoolerTypeComboValue);
        }
        Settings.SetRegInteger(View.ListIndex(TSelectionList::Oil), Page1Key, OilTypeValue);
        for (const TStoredEntry& stored : StoredEntries) {
            Settings.SetRegInteger(View.ListIndex(QuantityOf(stored.Entry).UnitList), Page1Key,
                                   QLatin1String(stored.UnitValue));
            StoreEntry(stored.Entry);
        }
    });
}

void TSelectionController::StoreEntry(TSelectionEntry Entry) {
    const TEntryQuantity& quantity = QuantityOf(Entry);
    const auto stored = std::find_if(StoredEntries.begin(), StoredEntries.end(),
                                     [Entry](const TStoredEntry& e) { return e.Entry == Entry; });
    const int unit = View.ListIndex(quantity.UnitList);
    // What the user typed is kept: the text as it stands when it reads, otherwise the value its
    // field holds. A cooling system's pump flow is the program's, so the typed flow is kept.
    const bool pumpFlowShown = Entry == TSelectionEntry::OilFlow && CurrentCoolerType == VCS_Cooler;
    const QString text = View.EntryText(Entry).left(255);
    TRecordingMessages silent;
    float value = 0;
    int decimals = 0;
    if (!pumpFlowShown && TUnitConv(silent).StringToFloat(value, text, QString())) {
        decimals = TUnitConv::GetNoOfDeciFromString(text);
    } else {
        const float base = pumpFlowShown ? TypedOilFlow : Point.*quantity.Field;
        value = quantity.FromBase(decimals, base, unit);
    }
    if (std::isfinite(value))
        Settings.SetRegString(StoredNumber(value, decimals), Page1Key,
                              QLatin1String(stored->NumberValue));
}

void TSelectionController::RestoreInputs() {
    RunAction([&] {
        if (TLanguage* language = View.TextStore())
            language->NewPageText(Page_1);
        if (!StoredInputsRestored) {
            StoredInputsRestored = true;
            RestoreStoredInputs();
        } else {
            ShowPageTexts();
        }
        TakeHandedOverCooling();
    });
}

void TSelectionController::RestoreStoredInputs() {
    // A stored position is clamped into its list; one that cannot be read keeps the list's.
    const auto stored = [&](TSelectionList list, const QString& value, int last) {
        int32_t position = View.ListIndex(list);
        Settings.GetRegInteger(position, Page1Key, value);
        return std::clamp(position, 0, last);
    };
    // The entries are read as on a series that runs at the flow typed.
    CurrentCoolerType = AC_Cooler;
    View.SetListIndex(TSelectionList::Oil, stored(TSelectionList::Oil, OilTypeValue, LastOilGrade));
    for (const TStoredEntry& entry : StoredEntries) {
        const TSelectionList list = QuantityOf(entry.Entry).UnitList;
        View.SetListIndex(list, stored(list, QLatin1String(entry.UnitValue), entry.LastUnit));
        RestoreStoredEntry(entry.Entry);
    }
    TypedOilFlow = Point.OilFlow;
    ShowNoiseCaption();

    // Only the low byte of the stored series counts; anything unknown is the first series.
    int32_t storedSeries = AC_Cooler;
    Settings.GetRegInteger(storedSeries, Page1Key, CoolerTypeValue);
    const int series = storedSeries & 0xFF;
    const TCoolerType restored =
        series <= VCS_Cooler ? static_cast<TCoolerType>(series) : AC_Cooler;
    View.SetSelectedSeries(restored);
    SwitchSeries(restored);
}

void TSelectionController::RestoreStoredEntry(TSelectionEntry Entry) {
    const auto stored = std::find_if(StoredEntries.begin(), StoredEntries.end(),
                                     [Entry](const TStoredEntry& e) { return e.Entry == Entry; });
    const QString text = Settings.GetRegString(Page1Key, QLatin1String(stored->NumberValue));
    bool read = false;
    const double value = text.trimmed().toDouble(&read);
    TRecordingMessages silent;
    float checked = 0;
    const QString shown =
        read && std::isfinite(value)
            ? FormatFixed(value, EntryPrecision, TUnitConv::GetNoOfDeciFromString(text))
            : QString();
    // A missing or damaged value leaves the entry at its start value.
    if (shown.isEmpty() || !TUnitConv(silent).StringToFloat(checked, shown, QString())) {
        ShowStoredValue(Entry);
        return;
    }
    WriteEntry(Entry, shown);
    ExitEntry(Entry);
}

void TSelectionController::SwitchSeries(TCoolerType Series) {
    const bool pumpFlowLeft = CurrentCoolerType == VCS_Cooler && Series != VCS_Cooler;
    CurrentCoolerType = Series;
    FillSelectionModelList(Series);
    if (Series != VCS_Cooler) {
        View.SetEntryEnabled(TSelectionEntry::OilFlow, true);
        if (pumpFlowLeft) {
            // The pump's flow was shown in place of the user's, which comes back.
            Point.OilFlow = TypedOilFlow;
            ShowStoredValue(TSelectionEntry::OilFlow);
        }
        ClearOnNewCoolerType(false);
    } else {
        ClearOnNewCoolerType(false);
        FillInPumpFlow(true);
    }
}

void TSelectionController::ShowPageTexts() {
    // The dimensions page shows a series of its own meanwhile; this page sizes its own.
    const TCoolerType series = View.SelectedSeries().value_or(AC_Cooler);
    CurrentCoolerType = series;
    View.SetDisclaimerText(View.AlterationsNoteStr());
    ShowMotorCaption();
    View.SetResultCaption(TResultLine::ProtectionStd,
                          series == Cooler_System ? QString() : View.ProtectionStdCoolerTextStr());
    ShowNoiseCaption();

    // The model names end in the language's word for rpm.
    const int position = View.ListIndex(TSelectionList::Model);
    QStringList models;
    ModelLists.FillComboBoxDim(series, View.RpmTextStr(), models, cbShadow);
    View.SetListItems(TSelectionList::Model, models);
    View.SetListIndex(TSelectionList::Model, position);
    if (View.GridVisible()) {
        const int picked = View.GridSelectedRow();
        View.SetGridRows(GridRows());
        View.SetGridSelectedRow(picked);
    }
    View.SetPrintEnabled(PrinterEnableFLG);
}

void TSelectionController::TakeRequiredCooling(const QString& Text, int HeatUnit) {
    HandedOverCooling = THandedOverCooling{Text, std::clamp(HeatUnit, 0, LastHeatUnit)};
}

void TSelectionController::TakeHandedOverCooling() {
    if (!HandedOverCooling)
        return;
    const THandedOverCooling cooling = *HandedOverCooling;
    HandedOverCooling.reset();
    const bool changed = View.ListIndex(TSelectionList::HeatDissUnit) != cooling.HeatUnit ||
                         View.EntryText(TSelectionEntry::HeatDiss) != cooling.Text;
    View.SetListIndex(TSelectionList::HeatDissUnit, cooling.HeatUnit);
    WriteEntry(TSelectionEntry::HeatDiss, cooling.Text);
    ExitEntry(TSelectionEntry::HeatDiss);
    if (changed)
        ClearOnNewCoolerType(false);
}

void TSelectionController::MarginsChanged() {
    if (View.GridVisible()) {
        // Sized again; the candidate the user was looking at stays picked when it is listed.
        const int model = View.ListIndex(TSelectionList::Model);
        btCalcNewCoolerClick();
        const QList<Candidate> candidates = Candidates();
        for (int row = 2; row <= candidates.size(); ++row) {
            if (candidates[row - 1].Position == model)
                sgCoolerSamplesSelectCell(0, row);
        }
    } else if (PrinterEnableFLG) {
        btCalcSelectedCoolerClick();
    }
}
