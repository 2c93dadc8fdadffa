#pragma once

#include "pages/selection/SelectionController.h"
#include "pages/selection/SelectionSettings.h"
#include "pages/selection/SelectionView.h"

#include <QObject>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QRadioButton;
class TfKylvane;
class TSelectionPage;

// The window's selection page as the view of the selection logic, and its widgets wired to
// that logic: leaving an entry reads it, the user's edits, picks and clicks run their actions
// and a picked candidate row is calculated. What the logic sets runs nothing.
class TQtSelectionView : public QObject, public TSelectionView {
public:
    explicit TQtSelectionView(TfKylvane& Window);

    TSelectionController& Controller() { return SelectionController; }

    // The dimensions page's series change, for that page's logic to fill in.
    std::function<void(TCoolerType)> OnShowDimensionSeries;

    QString EntryText(TSelectionEntry entry) const override;
    void SetEntryText(TSelectionEntry entry, const QString& text) override;
    void SetEntryFontColor(TSelectionEntry entry, TColor color) override;
    void SetEntryColor(TSelectionEntry entry, TColor background) override;
    void SetEntryFocus(TSelectionEntry entry) override;
    std::optional<TSelectionEntry> FocusedEntry() const override;
    void SetEntryEnabled(TSelectionEntry entry, bool enabled) override;
    void SetEntryReadOnly(TSelectionEntry entry, bool readOnly) override;

    int ListIndex(TSelectionList list) const override;
    void SetListIndex(TSelectionList list, int index) override;
    QStringList ListItems(TSelectionList list) const override;
    void SetListItems(TSelectionList list, const QStringList& items) override;

    QString GroupCaption(TSelectionGroup group) const override;

    std::optional<TCoolerType> SelectedSeries() const override;
    void SetSelectedSeries(TCoolerType series) override;

    bool ModeGroupVisible() const override;
    void SetFixedTempSelected(bool fixedTemp) override;
    void ApplyLanguageTexts() override;

    QString ResultCaption(TResultLine line) const override;
    void SetResultCaption(TResultLine line, const QString& text) override;
    QString ResultValue(TResultLine line) const override;
    void SetResultValue(TResultLine line, const QString& text) override;
    void SetResultValueColors(TResultLine line, TColor background, TColor font) override;
    TColor ResultValueBackground(TResultLine line) const override;
    void SetResultLineVisible(TResultLine line, bool visible) override;

    void SetDisclaimerText(const QString& text) override;
    void SetPrintEnabled(bool enabled) override;

    bool GridVisible() const override;
    void SetGridVisible(bool visible) override;
    void SetGridRows(const QList<TSampleRow>& rows) override;
    void SetGridSelectedRow(int row) override;
    int GridSelectedRow() const override;

    void ShowDiagram(const TSelectionDiagram& diagram) override;
    void ClearDiagram() override;
    // The diagram the page shows; none while cleared.
    const std::optional<TSelectionDiagram>& ShownDiagram() const;

    void ShowDimensionSeries(TCoolerType series) override;

    TEdition Edition() const override;
    QString IniFilePath() const override;
    TServiceMargins ServiceMargins() const override;
    TLanguage* TextStore() const override;
    QString MotorCapacityCoolerTextStr() const override;
    QString PowerCapacityCoolerTextStr() const override;
    QString AlterationsNoteStr() const override;
    QString RpmTextStr() const override;
    QString ThousandsReadingsStr() const override;
    QString ProtectionStdCoolerTextStr() const override;

protected:
    // Leaving an entry and clicking into the oil flow entry.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectControls();
    void PickCandidate(const QModelIndex& current, const QModelIndex& previous);
    // Makes `index` the grid's current cell and picks its row without the pick's reaction.
    void SetCurrentCandidate(const QModelIndex& index);
    void ShareGridWidth();

    QLineEdit* EntryOf(TSelectionEntry entry) const;
    QComboBox* ListOf(TSelectionList list) const;
    QGroupBox* GroupOf(TSelectionGroup group) const;
    QLabel* CaptionOf(TResultLine line) const;
    QLabel* ValueOf(TResultLine line) const;
    QRadioButton* SeriesButton(TCoolerType series) const;

    TfKylvane& Window;
    TSelectionPage& Page;
    TRegStoredValues Settings;
    TSelectionController SelectionController;
    // While an entry's exit action runs (and its message is open), and while the focus is put
    // back into an entry after its message, losing the focus is not the user leaving an entry.
    bool ExitRunning = false;
    bool ReturningFocus = false;
};
