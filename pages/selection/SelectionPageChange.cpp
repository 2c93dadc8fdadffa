#include "pages/selection/SelectionController.h"

#include "core/EngineState.h"
#include "texts/Language.h"

#include <algorithm>

namespace {

const QString CoolerTypeValue = QStringLiteral("CoolerType");
const QString CoolerTypeComboValue = QStringLiteral("CoolerTypeCombo");

// A unit list beside an entry with the stored value that remembers its position.
struct TStoredUnit {
    TSelectionEntry Entry;
    TSelectionList List;
    const char* Value;
    int Last;
};
constexpr std::array<TStoredUnit, 4> StoredUnits{{
    {TSelectionEntry::OilFlow, TSelectionList::OilFlowUnit, "OilflowCombo", 5},
    {TSelectionEntry::MaxTemp, TSelectionList::MaxTempUnit, "MaxTempCombo", 1},
    {TSelectionEntry::AirTemp, TSelectionList::AirTempUnit, "AirTempCombo", 1},
    {TSelectionEntry::Altitude, TSelectionList::AltitudeUnit, "AltitudeCombo", 1},
}};
const QString OilTypeValue = QStringLiteral("OilTypeCombo");
const QString HeatDissValue = QStringLiteral("HeatDissCombo");
constexpr int LastOilGrade = 9;
constexpr int LastHeatUnit = 4;

} // namespace

void TSelectionController::FillSelectionModelList(TCoolerType Series) {
    RunAction([&] {
        TEngineState& s = EngineState();
        int32_t position = 0;
        Settings.GetRegInteger(position, Page1Key, CoolerTypeComboValue);
        View.SetDisclaimerText(s.AlterationsNoteStr);

        const bool knownSeries = Series == AC_Cooler || Series == DC_Cooler || Series == VCS_Cooler;
        const TCoolerType listed = knownSeries ? Series : Cooler_System;
        QStringList models;
        ModelLists.FillComboBoxDim(listed, models, cbShadow);
        View.SetListItems(TSelectionList::Model, models);
        View.SetListIndex(TSelectionList::Model, 0);
        s.CurrentCoolerType = listed; // the dimensions page follows with the same series
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
        for (const TStoredUnit& unit : StoredUnits)
            Settings.SetRegInteger(View.ListIndex(unit.List), Page1Key, QLatin1String(unit.Value));
        Settings.SetRegInteger(View.ListIndex(TSelectionList::HeatDissUnit), Page1Key,
                               HeatDissValue);
    });
}

void TSelectionController::RestoreInputs(int PageLeft, int HeatLoadResultUnit) {
    RunAction([&] {
        TEngineState& s = EngineState();
        // A stored position is clamped into its list; one that cannot be read keeps the list's.
        const auto stored = [&](TSelectionList list, const QString& value, int last) {
            int32_t position = View.ListIndex(list);
            Settings.GetRegInteger(position, Page1Key, value);
            return std::clamp(position, 0, last);
        };

        // Restoring rewrites the entries in their units, which voids the results and hides
        // the candidates even when nothing changed; they are chosen again at the end.
        const bool candidatesShown = View.GridVisible();
        if (TLanguage* language = View.TextStore())
            language->NewPageText(Page_1);
        View.SetListIndex(TSelectionList::Oil,
                          stored(TSelectionList::Oil, OilTypeValue, LastOilGrade));
        for (const TStoredUnit& unit : StoredUnits) {
            View.SetListIndex(unit.List, stored(unit.List, QLatin1String(unit.Value), unit.Last));
            UnitChange(unit.Entry);
        }
        const bool fromHeatLoad = PageLeft == HeatLoadPageIndex;
        View.SetListIndex(TSelectionList::HeatDissUnit,
                          fromHeatLoad
                              ? std::clamp(HeatLoadResultUnit, 0, LastHeatUnit)
                              : stored(TSelectionList::HeatDissUnit, HeatDissValue, LastHeatUnit));
        // The heat-load page has written its result into the required cooling, in its result
        // unit. It is read before the unit change rewrites the entry from the value held so
        // far, which would otherwise replace the result.
        if (fromHeatLoad)
            EntryExit(TSelectionEntry::HeatDiss);
        UnitChange(TSelectionEntry::HeatDiss);

        // Only the low byte of the stored series counts; anything unknown is the first series.
        int32_t storedSeries = AC_Cooler;
        Settings.GetRegInteger(storedSeries, Page1Key, CoolerTypeValue);
        const int series = storedSeries & 0xFF;
        s.CurrentCoolerType = series <= VCS_Cooler ? static_cast<TCoolerType>(series) : AC_Cooler;
        if (View.SelectedSeries() != s.CurrentCoolerType) {
            View.SetSelectedSeries(s.CurrentCoolerType);
            SeriesClick(s.CurrentCoolerType);
        }
        FillSelectionModelList(s.CurrentCoolerType);
        if (candidatesShown)
            btCalcNewCoolerClick();
        for (TSelectionEntry entry :
             {TSelectionEntry::OilFlow, TSelectionEntry::MaxTemp, TSelectionEntry::AirTemp,
              TSelectionEntry::HeatDiss, TSelectionEntry::Altitude})
            EntryExit(entry);
    });
}
