#pragma once

#include "pages/selection/SelectionView.h"

#include <QMap>

#include <functional>

// The selection page without a window: every control is a value that the command-line tool
// sets as a user would and reads back as the window would show it. Lists start with the
// page's fixed items; the unit lists at l/min, °C, m and kW.
class THeadlessSelectionView : public TSelectionView {
public:
    struct TEntryState {
        QString Text;
        TColor FontColor = clBlack;
        TColor Background = clWhite;
        bool Enabled = true;
        bool ReadOnly = false;
    };
    struct TResultLineState {
        QString Caption;
        QString Value;
        TColor Background = clWhite;
        TColor FontColor = clBlack;
        bool Visible = true;
    };

    THeadlessSelectionView();

    QString EntryText(TSelectionEntry entry) const override;
    void SetEntryText(TSelectionEntry entry, const QString& text) override;
    void SetEntryFontColor(TSelectionEntry entry, TColor color) override;
    void SetEntryColor(TSelectionEntry entry, TColor background) override;
    void SetEntryFocus(TSelectionEntry entry) override;
    std::optional<TSelectionEntry> FocusedEntry() const override { return Focus; }
    void SetEntryEnabled(TSelectionEntry entry, bool enabled) override;
    void SetEntryReadOnly(TSelectionEntry entry, bool readOnly) override;

    int ListIndex(TSelectionList list) const override;
    void SetListIndex(TSelectionList list, int index) override;
    QStringList ListItems(TSelectionList list) const override;
    void SetListItems(TSelectionList list, const QStringList& items) override;

    QString GroupCaption(TSelectionGroup group) const override;
    void SetGroupCaption(TSelectionGroup group, const QString& caption);

    std::optional<TCoolerType> SelectedSeries() const override;
    void SetSelectedSeries(TCoolerType series) override;

    bool ModeGroupVisible() const override { return ModeGroupShown; }
    void SetFixedTempSelected(bool fixedTemp) override { FixedTempSelected = fixedTemp; }
    void ApplyLanguageTexts() override;
    std::function<void()> OnApplyLanguageTexts;

    QString ResultCaption(TResultLine line) const override;
    void SetResultCaption(TResultLine line, const QString& text) override;
    QString ResultValue(TResultLine line) const override;
    void SetResultValue(TResultLine line, const QString& text) override;
    void SetResultValueColors(TResultLine line, TColor background, TColor font) override;
    TColor ResultValueBackground(TResultLine line) const override { return Lines[line].Background; }
    void SetResultLineVisible(TResultLine line, bool visible) override;

    void SetDisclaimerText(const QString& text) override { DisclaimerText = text; }
    void SetPrintEnabled(bool enabled) override { PrintEnabled = enabled; }

    bool GridVisible() const override { return GridShown; }
    void SetGridVisible(bool visible) override { GridShown = visible; }
    void SetGridRows(const QList<TSampleRow>& rows) override { GridRows = rows; }
    void SetGridSelectedRow(int row) override { SelectedGridRow = row; }
    int GridSelectedRow() const override { return SelectedGridRow; }

    void ShowDiagram(const TSelectionDiagram& diagram) override { Diagram = diagram; }
    void ClearDiagram() override { Diagram.reset(); }

    // The dimensions page has no headless counterpart.
    void ShowDimensionSeries(TCoolerType) override {}

    TEdition Edition() const override { return ProgramEdition; }
    QString IniFilePath() const override { return CatalogueDirectory; }
    TServiceMargins ServiceMargins() const override { return Margins; }

    TLanguage* TextStore() const override { return Language; }
    QString MotorCapacityCoolerTextStr() const override { return KeptCaptions.MotorCapacity; }
    QString PowerCapacityCoolerTextStr() const override { return KeptCaptions.PowerCapacity; }
    QString ProtectionStdCoolerTextStr() const override { return KeptCaptions.ProtectionStd; }
    QString AlterationsNoteStr() const override { return KeptCaptions.AlterationsNote; }
    QString RpmTextStr() const override { return KeptCaptions.RpmText; }
    QString ThousandsReadingsStr() const override { return KeptCaptions.ThousandsReadings; }

    TEdition ProgramEdition = TEdition::European;
    QString CatalogueDirectory; // ends in a directory separator
    TServiceMargins Margins;
    TLanguage* Language = nullptr;
    struct {
        TPrnStr MotorCapacity;
        TPrnStr PowerCapacity;
        QString ProtectionStd;
        QString AlterationsNote;
        QString RpmText;
        QString ThousandsReadings;
    } KeptCaptions;

    const TEntryState& Entry(TSelectionEntry entry) const;
    const TResultLineState& Line(TResultLine line) const;
    bool ModeGroupShown = false; // the product keeps the mode choice hidden
    std::optional<TSelectionEntry> Focus;
    bool FixedTempSelected = false;
    QString DisclaimerText;
    bool PrintEnabled = false;
    bool GridShown = false;
    QList<TSampleRow> GridRows;
    int SelectedGridRow = -1;
    std::optional<TSelectionDiagram> Diagram;

private:
    struct TListState {
        QStringList Items;
        int Index = -1;
    };

    QMap<TSelectionEntry, TEntryState> Entries;
    QMap<TSelectionList, TListState> Lists;
    QMap<TSelectionGroup, QString> GroupCaptions;
    QMap<TResultLine, TResultLineState> Lines;
    std::optional<TCoolerType> Series;
};
