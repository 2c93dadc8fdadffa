#include "ui/QtHeatLoadView.h"

#include "ui/HeatLoadPage.h"
#include "ui/MainWindow.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <array>

TQtHeatLoadView::TQtHeatLoadView(TfKylvane& Window)
    : Window(Window), Page(*Window.HeatLoadPage), Settings(Window.StoreRoots()),
      HeatLoadController(*this, Settings, Window.MessageService()) {
    ConnectControls();
}

void TQtHeatLoadView::ConnectControls() {
    THeatLoadController& c = HeatLoadController;
    for (THeatLoadEntry entry : HeatLoadInputs)
        EntryOf(entry)->installEventFilter(this);
    // The time list holds minutes only; it has nothing to change to.
    for (THeatLoadEntry entry :
         {THeatLoadEntry::OilVolume, THeatLoadEntry::Density, THeatLoadEntry::HeatCapa,
          THeatLoadEntry::StartTemp, THeatLoadEntry::EndTemp})
        connect(ListOf(entry), &QComboBox::activated, this, [&c, entry] { c.UnitChange(entry); });
    connect(Page.cbUnitlResultHeatDissi, &QComboBox::activated, this,
            [&c] { c.cbUnitlResultHeatDissiChange(); });
    connect(Page.btCalculateHeatDissi, &QPushButton::clicked, this,
            [&c] { c.btCalculateHeatDissiClick(); });
    connect(Page.bbtReset, &QPushButton::clicked, this, [&c] { c.bbtResetClick(); });
}

bool TQtHeatLoadView::eventFilter(QObject* watched, QEvent* event) {
    // Another window taking the focus, a message box among them, is no leaving of the entry.
    const bool left = event->type() == QEvent::FocusOut &&
                      static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason;
    if (left && !ExitRunning && !ReturningFocus) {
        for (THeatLoadEntry entry : HeatLoadInputs) {
            if (watched != EntryOf(entry))
                continue;
            ExitRunning = true;
            HeatLoadController.EntryExit(entry);
            ExitRunning = false;
        }
    }
    return QObject::eventFilter(watched, event);
}

QLineEdit* TQtHeatLoadView::EntryOf(THeatLoadEntry entry) const {
    const std::array<QLineEdit*, HeatLoadEntries.size()> entries{
        Page.edValueOilVolumeHeatDissi,       Page.edValueDensityHeatDissi,
        Page.edValueHeatCapcitivityHeatDissi, Page.edValueStartTempHeatDissi,
        Page.edValueEndTempHeatDissi,         Page.edValueTimeIntervalHeatDissi,
        Page.edValueResultHeatDissi};
    return entries[static_cast<std::size_t>(entry)];
}

QComboBox* TQtHeatLoadView::ListOf(THeatLoadEntry entry) const {
    const std::array<QComboBox*, HeatLoadEntries.size()> lists{
        Page.cbUnitOilVolumeHeatDissi,        Page.cbUnitDensitylHeatDissi,
        Page.cbUnitHeatCapacitivityHeatDissi, Page.cbUnitStartTemplHeatDissi,
        Page.cbUnitlEndTempHeatDissi,         Page.cbUnitTimeIntervalHeatDissi,
        Page.cbUnitlResultHeatDissi};
    return lists[static_cast<std::size_t>(entry)];
}

QGroupBox* TQtHeatLoadView::GroupOf(THeatLoadEntry entry) const {
    const std::array<QGroupBox*, HeatLoadEntries.size()> groups{
        Page.gbOilVolumeHeatDissi, Page.gbDensityHeatDissi, Page.gbHeatCapacitivityHeatDissi,
        Page.gbStartTempHeatDissi, Page.gbEndTempHeatDissi, Page.gbTimeIntervalHeatDissi,
        Page.gbResultlHeatDissi};
    return groups[static_cast<std::size_t>(entry)];
}

QString TQtHeatLoadView::EntryText(THeatLoadEntry entry) const {
    return EntryOf(entry)->text();
}

void TQtHeatLoadView::SetEntryText(THeatLoadEntry entry, const QString& text) {
    QLineEdit* edit = EntryOf(entry);
    const QSignalBlocker quiet(edit);
    edit->setText(text);
}

void TQtHeatLoadView::SetEntryFocus(THeatLoadEntry entry) {
    // After the message box has closed; the entry the user went to meanwhile is not left by
    // the user then, so its exit action does not run and ask again.
    QLineEdit* edit = EntryOf(entry);
    QTimer::singleShot(0, edit, [this, edit] {
        ReturningFocus = true;
        edit->setFocus(Qt::OtherFocusReason);
        ReturningFocus = false;
    });
}

std::optional<THeatLoadEntry> TQtHeatLoadView::FocusedEntry() const {
    for (THeatLoadEntry entry : HeatLoadInputs) {
        if (EntryOf(entry)->hasFocus())
            return entry;
    }
    return std::nullopt;
}

int TQtHeatLoadView::ListIndex(THeatLoadEntry entry) const {
    return ListOf(entry)->currentIndex();
}

void TQtHeatLoadView::SetListIndex(THeatLoadEntry entry, int index) {
    QComboBox* combo = ListOf(entry);
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index);
}

QString TQtHeatLoadView::GroupCaption(THeatLoadEntry entry) const {
    return GroupOf(entry)->title();
}

QString TQtHeatLoadView::OutOfRangeStr() const {
    return Window.TextVariables.OutOfRangeStr;
}

QString TQtHeatLoadView::ThousandsReadingsStr() const {
    return Window.TextVariables.ThousandsReadingsStr;
}

void TQtHeatLoadView::HandOverRequiredCooling(const QString& text, int heatUnit) {
    Window.HandOverRequiredCooling(text, heatUnit);
}
