#pragma once

#include "core/CoolerTypes.h"
#include "core/Editions.h"
#include "pages/selection/SelectionDiagram.h"
#include "settings/ServiceMargins.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class TLanguage;

// The selection page as its logic sees it. The window, the tests and the command-line tool each
// implement this; the controller reaches the page through nothing else.
//
// Setting a text, a list position or a radio button through this interface runs nothing: the
// controller itself runs the change actions that the page would run, so every view behaves
// alike. Only the user's own edits, picks and clicks reach the controller from the view.

constexpr TColor clBlue = 0x0000FF;    // the oil flow entry while it shows a pump's flow
constexpr TColor clDarkRed = 0xBE0000; // text of an undersized candidate

// The five entries of the operating point, each with its group (caption) and unit list.
enum class TSelectionEntry { OilFlow, MaxTemp, AirTemp, Altitude, HeatDiss };
constexpr std::array<TSelectionEntry, 5> SelectionEntries{
    TSelectionEntry::OilFlow, TSelectionEntry::MaxTemp, TSelectionEntry::AirTemp,
    TSelectionEntry::Altitude, TSelectionEntry::HeatDiss};

// The drop-down lists: the model list `cbTypeCoolerData`, the oil grades `cbOilCoolerData`
// and the unit list beside each entry.
enum class TSelectionList {
    Model,
    Oil,
    OilFlowUnit,
    MaxTempUnit,
    AirTempUnit,
    AltitudeUnit,
    HeatDissUnit
};

// The unit list beside an entry; both enumerations list the quantities in the same order.
constexpr TSelectionList UnitListOf(TSelectionEntry entry) {
    return static_cast<TSelectionList>(static_cast<int>(TSelectionList::OilFlowUnit) +
                                       static_cast<int>(entry));
}

// The groups whose captions name the quantities in messages and the grid's first column.
enum class TSelectionGroup {
    CoolerData, // gbCoolerdata
    OilType,
    OilFlow,
    MaxTemp,
    AirTemp,
    Altitude,
    HeatDiss,
    Output // gbOutputCoolerData
};

// The nine lines of the result panel, each a caption label and a value label.
enum class TResultLine {
    OilInletTemp,
    OilOutletTemp,
    AirOutletTemp,
    HeatLoad,
    OilPressure,
    AirFlow,
    MotorCapacity,
    NoiseLevel,
    ProtectionStd
};
constexpr int ResultLineCount = 9;

// One row of the candidates grid `sgCoolerSamples`: model, heat load, inlet oil temperature,
// noise level, pressure drop. Row 0 is the header.
struct TSampleRow {
    std::array<QString, 5> Cells;
    bool Undersized = false; // drawn dark red, cross-hatched red while selected
    bool operator==(const TSampleRow&) const = default;
};
constexpr int SampleColumnCount = 5;

class TSelectionView {
public:
    virtual ~TSelectionView() = default;

    virtual QString EntryText(TSelectionEntry entry) const = 0;
    virtual void SetEntryText(TSelectionEntry entry, const QString& text) = 0;
    virtual void SetEntryFontColor(TSelectionEntry entry, TColor color) = 0;
    virtual void SetEntryColor(TSelectionEntry entry, TColor background) = 0;
    virtual void SetEntryFocus(TSelectionEntry entry) = 0;
    // The entry the user is in, whose exit action has not run yet; none when the focus is
    // elsewhere.
    virtual std::optional<TSelectionEntry> FocusedEntry() const = 0;
    virtual void SetEntryEnabled(TSelectionEntry entry, bool enabled) = 0;
    virtual void SetEntryReadOnly(TSelectionEntry entry, bool readOnly) = 0;

    // -1 when nothing is picked.
    virtual int ListIndex(TSelectionList list) const = 0;
    virtual void SetListIndex(TSelectionList list, int index) = 0;
    virtual QStringList ListItems(TSelectionList list) const = 0;
    virtual void SetListItems(TSelectionList list, const QStringList& items) = 0;

    virtual QString GroupCaption(TSelectionGroup group) const = 0;

    // The series radio buttons; none is selected before the page is first entered.
    virtual std::optional<TCoolerType> SelectedSeries() const = 0;
    virtual void SetSelectedSeries(TCoolerType series) = 0;

    // The calculation mode: its group `gbMode` and the button `rbFixedTemp` (else
    // `rbFixedPower`). The captions of the page depend on the mode, so a mode change applies
    // the window's texts again.
    virtual bool ModeGroupVisible() const = 0;
    virtual void SetFixedTempSelected(bool fixedTemp) = 0;
    virtual void ApplyLanguageTexts() = 0;

    virtual QString ResultCaption(TResultLine line) const = 0;
    virtual void SetResultCaption(TResultLine line, const QString& text) = 0;
    virtual QString ResultValue(TResultLine line) const = 0;
    virtual void SetResultValue(TResultLine line, const QString& text) = 0;
    virtual void SetResultValueColors(TResultLine line, TColor background, TColor font) = 0;
    // A value shown highlighted has a background other than white.
    virtual TColor ResultValueBackground(TResultLine line) const = 0;
    // Both labels of the line.
    virtual void SetResultLineVisible(TResultLine line, bool visible) = 0;

    virtual void SetDisclaimerText(const QString& text) = 0;
    // The print menu item `mmPrint` and the print button `sbPrint`.
    virtual void SetPrintEnabled(bool enabled) = 0;

    virtual bool GridVisible() const = 0;
    virtual void SetGridVisible(bool visible) = 0;
    virtual void SetGridRows(const QList<TSampleRow>& rows) = 0;
    virtual void SetGridSelectedRow(int row) = 0;
    virtual int GridSelectedRow() const = 0;

    // The candidates' diagram beside the results, shown after "Calculate New Cooler" and again
    // whenever the chosen model or a unit changes; cleared with the results.
    virtual void ShowDiagram(const TSelectionDiagram& diagram) = 0;
    virtual void ClearDiagram() = 0;

    // The dimensions page follows the series picked here (its list, notes and data lines).
    virtual void ShowDimensionSeries(TCoolerType series) = 0;

    // What the page takes from the program: its edition, the catalogue directory (ending in a
    // directory separator) and the service margins as they stand.
    virtual TEdition Edition() const = 0;
    virtual QString IniFilePath() const = 0;
    virtual TServiceMargins ServiceMargins() const = 0;

    // The window's language text store, whose loaded page holds the page's texts; none before
    // the window has started.
    virtual TLanguage* TextStore() const = 0;
    // Captions the window keeps from the page's texts (`Page_1` keys 17, 27 and 19) for the
    // motor line, which names a fan for hydraulic motors, and the protection line.
    virtual QString MotorCapacityCoolerTextStr() const = 0;
    virtual QString PowerCapacityCoolerTextStr() const = 0;
    virtual QString ProtectionStdCoolerTextStr() const = 0;
    // The disclaimer in the window's language; a report in another language leaves it be.
    virtual QString AlterationsNoteStr() const = 0;
    // The language's word for rpm (at most RpmTextLength characters), which ends the names of
    // the hydraulic-motor models.
    virtual QString RpmTextStr() const = 0;
    // Offers the two readings of a number typed with a thousands-like separator
    // ("Write %1 or %2"), in the window's language.
    virtual QString ThousandsReadingsStr() const = 0;
};
