#pragma once

#include "pages/heatload/HeatLoadController.h"
#include "pages/heatload/HeatLoadView.h"
#include "settings/StoredValues.h"

#include <QObject>

class QComboBox;
class QGroupBox;
class QLineEdit;
class TfKylvane;
class THeatLoadPage;

// The window's heat-load page as the view of the heat-load logic, and its widgets wired to that
// logic: leaving an entry reads it, the user's picks and clicks run their actions, and the
// result goes on to the selection page through the window. What the logic sets runs nothing.
class TQtHeatLoadView : public QObject, public THeatLoadView {
public:
    explicit TQtHeatLoadView(TfKylvane& Window);

    THeatLoadController& Controller() { return HeatLoadController; }

    QString EntryText(THeatLoadEntry entry) const override;
    void SetEntryText(THeatLoadEntry entry, const QString& text) override;
    void SetEntryFocus(THeatLoadEntry entry) override;
    std::optional<THeatLoadEntry> FocusedEntry() const override;

    int ListIndex(THeatLoadEntry entry) const override;
    void SetListIndex(THeatLoadEntry entry, int index) override;

    QString GroupCaption(THeatLoadEntry entry) const override;
    QString OutOfRangeStr() const override;
    QString ThousandsReadingsStr() const override;

    void HandOverRequiredCooling(const QString& text, int heatUnit) override;

protected:
    // Leaving an input entry.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectControls();
    QLineEdit* EntryOf(THeatLoadEntry entry) const;
    QComboBox* ListOf(THeatLoadEntry entry) const;
    QGroupBox* GroupOf(THeatLoadEntry entry) const;

    TfKylvane& Window;
    THeatLoadPage& Page;
    TRegStoredValues Settings;
    THeatLoadController HeatLoadController;
    // While an entry's exit action runs (and its message is open), and while the focus is put
    // back into an entry after its message, losing the focus is not the user leaving an entry.
    bool ExitRunning = false;
    bool ReturningFocus = false;
};
