#pragma once

#include <QString>

#include <array>
#include <optional>

// The heat-load page as its logic sees it. The window, the tests and the command-line tool each
// implement this; the controller reaches the page through nothing else.
//
// Setting a text or a list position through this interface runs nothing: the controller runs
// the actions the page would run itself. Only the user's own leaving of entries, picks and
// clicks reach the controller from the view.

// The entries of the page. Each sits in a group whose caption names it and beside a unit list;
// all but the result are inputs of the calculation.
enum class THeatLoadEntry {
    OilVolume,    // edValueOilVolumeHeatDissi, cbUnitOilVolumeHeatDissi
    Density,      // edValueDensityHeatDissi, cbUnitDensitylHeatDissi
    HeatCapa,     // edValueHeatCapcitivityHeatDissi (read-only), cbUnitHeatCapacitivityHeatDissi
    StartTemp,    // edValueStartTempHeatDissi, cbUnitStartTemplHeatDissi
    EndTemp,      // edValueEndTempHeatDissi, cbUnitlEndTempHeatDissi
    TimeInterval, // edValueTimeIntervalHeatDissi, cbUnitTimeIntervalHeatDissi ("min" only)
    Result        // edValueResultHeatDissi (read-only), cbUnitlResultHeatDissi
};
constexpr std::array<THeatLoadEntry, 6> HeatLoadInputs{
    THeatLoadEntry::OilVolume, THeatLoadEntry::Density, THeatLoadEntry::HeatCapa,
    THeatLoadEntry::StartTemp, THeatLoadEntry::EndTemp, THeatLoadEntry::TimeInterval};
constexpr std::array<THeatLoadEntry, 7> HeatLoadEntries{
    THeatLoadEntry::OilVolume, THeatLoadEntry::Density, THeatLoadEntry::HeatCapa,
    THeatLoadEntry::StartTemp, THeatLoadEntry::EndTemp, THeatLoadEntry::TimeInterval,
    THeatLoadEntry::Result};

class THeatLoadView {
public:
    virtual ~THeatLoadView() = default;

    virtual QString EntryText(THeatLoadEntry entry) const = 0;
    virtual void SetEntryText(THeatLoadEntry entry, const QString& text) = 0;
    // Puts the keyboard focus back into the entry once its message has been closed.
    virtual void SetEntryFocus(THeatLoadEntry entry) = 0;
    // The entry that holds the keyboard focus, if any.
    virtual std::optional<THeatLoadEntry> FocusedEntry() const = 0;

    // The unit list beside the entry: the position picked, -1 when nothing is.
    virtual int ListIndex(THeatLoadEntry entry) const = 0;
    virtual void SetListIndex(THeatLoadEntry entry, int index) = 0;

    // The caption of the entry's group, which names the input in messages.
    virtual QString GroupCaption(THeatLoadEntry entry) const = 0;
    // Texts of the window's language that the page's messages are worded with: the range
    // messages' "out of range" text and the two readings of a number typed with a
    // thousands-like separator ("Write %1 or %2").
    virtual QString OutOfRangeStr() const = 0;
    virtual QString ThousandsReadingsStr() const = 0;

    // A calculated result goes on as the required cooling of the selection page: the number as
    // shown and the position of its unit in the heat unit list. The selection page takes it
    // the next time it is entered.
    virtual void HandOverRequiredCooling(const QString& text, int heatUnit) = 0;
};
