#include "pages/heatload/HeatLoadController.h"

#include "pages/heatload/HeatLoadInputs.h"
#include "settings/StoredValues.h"

#include <algorithm>

namespace {

// A density stored as nothing or as exactly "0", and a specific heat stored as nothing, are
// taken as the page's start values.
QString StoredTextOr(const QString& stored, THeatLoadEntry entry) {
    if (entry == THeatLoadEntry::Density && (stored.isEmpty() || stored == QLatin1String("0")))
        return QStringLiteral("0,89");
    if (entry == THeatLoadEntry::HeatCapa && stored.isEmpty())
        return QStringLiteral("2,08");
    return stored;
}

} // namespace

void THeatLoadController::RestoreListPosition(THeatLoadEntry Entry) {
    // A stored position is clamped into its list; one that cannot be read keeps the list's.
    const bool result = Entry == THeatLoadEntry::Result;
    const QString value = result ? ResultUnitValue : QLatin1String(InputOf(Entry).StoredUnit);
    const int last = result ? LastHeatUnit : InputOf(Entry).LastUnit;
    int32_t position = View.ListIndex(Entry);
    Settings.GetRegInteger(position, Page2Key, value);
    View.SetListIndex(Entry, std::clamp(position, 0, last));
}

void THeatLoadController::bbtResetClick() {
    ResetInputs();
    View.SetListIndex(THeatLoadEntry::TimeInterval, 0);
    for (THeatLoadEntry entry :
         {THeatLoadEntry::Density, THeatLoadEntry::HeatCapa, THeatLoadEntry::StartTemp,
          THeatLoadEntry::EndTemp, THeatLoadEntry::Result})
        RestoreListPosition(entry);
    // The temperatures and the time show "0.00" in any unit; the two start values are shown in
    // their units.
    UnitChange(THeatLoadEntry::HeatCapa);
    UnitChange(THeatLoadEntry::Density);
}

void THeatLoadController::StoreInputs() {
    for (THeatLoadEntry entry : HeatLoadInputs) {
        if (const char* unit = InputOf(entry).StoredUnit)
            Settings.SetRegInteger(View.ListIndex(entry), Page2Key, QLatin1String(unit));
    }
    Settings.SetRegInteger(View.ListIndex(THeatLoadEntry::Result), Page2Key, ResultUnitValue);
    for (THeatLoadEntry entry : HeatLoadInputs)
        Settings.SetRegString(View.EntryText(entry), Page2Key,
                              QLatin1String(InputOf(entry).StoredText));
}

void THeatLoadController::RestoreInputs() {
    ResetInputs();
    View.SetListIndex(THeatLoadEntry::TimeInterval, 0);
    RestoreListPosition(THeatLoadEntry::Result);
    // Each text is read in the unit stored with it and shown as read. Showing it again in the
    // unit's own decimals would round it, and the rounded text would be stored the next time
    // the page is left: 20.5 °C would come back as 21 °C.
    for (THeatLoadEntry entry : HeatLoadInputs) {
        const THeatLoadInput& input = InputOf(entry);
        View.SetEntryText(
            entry,
            StoredTextOr(Settings.GetRegString(Page2Key, QLatin1String(input.StoredText)), entry));
        if (input.StoredUnit)
            RestoreListPosition(entry);
        EntryExit(entry);
    }
}
