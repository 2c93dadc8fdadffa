#include "ui/QtSelectionView.h"

#include "pages/selection/CandidateTableModel.h"
#include "ui/CandidateRowDelegate.h"
#include "ui/LanguageTexts.h"
#include "ui/MainWindow.h"
#include "ui/SelectionDiagramPanel.h"
#include "ui/SelectionPage.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <array>

namespace {

void Paint(QWidget* control, QPalette::ColorRole role, TColor color) {
    QPalette palette = control->palette();
    palette.setColor(role, QColor::fromRgb(color));
    control->setPalette(palette);
}

} // namespace

TQtSelectionView::TQtSelectionView(TfKylvane& Window)
    : Window(Window), Page(*Window.SelectionPage), Settings(Window.StoreRoots()),
      SelectionController(*this, Settings, Window.MessageService()) {
    QTableView* grid = Page.sgCoolerSamples;
    grid->setItemDelegate(new TCandidateRowDelegate(grid));
    // The header row names the columns; it is no candidate to pick.
    grid->horizontalHeader()->setSectionsClickable(false);
    ConnectControls();
}

void TQtSelectionView::ConnectControls() {
    TSelectionController& c = SelectionController;
    for (TSelectionEntry entry : SelectionEntries) {
        QLineEdit* edit = EntryOf(entry);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, [&c, entry] { c.EntryChange(entry); });
        connect(ListOf(UnitListOf(entry)), &QComboBox::activated, this,
                [&c, entry] { c.UnitChange(entry); });
    }
    connect(Page.cbOilCoolerData, &QComboBox::activated, this, [&c] { c.cbOilCoolerDataChange(); });
    connect(Page.cbTypeCoolerData, &QComboBox::activated, this,
            [&c] { c.cbTypeCoolerDataChange(); });
    for (TCoolerType series : {AC_Cooler, DC_Cooler, Cooler_System, VCS_Cooler}) {
        connect(SeriesButton(series), &QRadioButton::toggled, this, [&c, series](bool checked) {
            if (checked)
                c.SeriesClick(series);
        });
    }
    connect(Page.rbFixedTemp, &QRadioButton::toggled, this, [&c](bool checked) {
        if (checked)
            c.rbFixedTempClick();
    });
    connect(Page.rbFixedPower, &QRadioButton::toggled, this, [&c](bool checked) {
        if (checked)
            c.rbFixedPowerClick();
    });
    connect(Page.btCalcSelectedCooler, &QPushButton::clicked, this,
            [&c] { c.btCalcSelectedCoolerClick(); });
    connect(Page.btCalcNewCooler, &QPushButton::clicked, this, [&c] { c.btCalcNewCoolerClick(); });
    connect(Page.sgCoolerSamples->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TQtSelectionView::PickCandidate);
}

bool TQtSelectionView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched == Page.edOilflowCoolerData)
        SelectionController.edOilflowCoolerDataClick();
    // Another window taking the focus, a message box among them, is no leaving of the entry.
    const bool left = event->type() == QEvent::FocusOut &&
                      static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason;
    if (left && !ExitRunning && !ReturningFocus) {
        for (TSelectionEntry entry : SelectionEntries) {
            if (watched != EntryOf(entry))
                continue;
            ExitRunning = true;
            SelectionController.EntryExit(entry);
            ExitRunning = false;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TQtSelectionView::PickCandidate(const QModelIndex& current, const QModelIndex& previous) {
    if (!current.isValid() || current.row() == previous.row())
        return;
    // Grid rows count the header as row 0.
    if (!SelectionController.sgCoolerSamplesSelectCell(current.column(), current.row() + 1))
        SetCurrentCandidate(previous);
}

void TQtSelectionView::SetCurrentCandidate(const QModelIndex& index) {
    QItemSelectionModel* picked = Page.sgCoolerSamples->selectionModel();
    const QSignalBlocker quiet(picked);
    picked->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    // The view repaints the rows on the selection model's signals, which stayed quiet.
    Page.sgCoolerSamples->viewport()->update();
}

QLineEdit* TQtSelectionView::EntryOf(TSelectionEntry entry) const {
    switch (entry) {
    case TSelectionEntry::OilFlow:
        return Page.edOilflowCoolerData;
    case TSelectionEntry::MaxTemp:
        return Page.edMaxTempCoolerData;
    case TSelectionEntry::AirTemp:
        return Page.edAirTempCoolerData;
    case TSelectionEntry::Altitude:
        return Page.edAlittudeCoolerData;
    case TSelectionEntry::HeatDiss:
        break;
    }
    return Page.edHeatDissCoolerData;
}

QComboBox* TQtSelectionView::ListOf(TSelectionList list) const {
    switch (list) {
    case TSelectionList::Model:
        return Page.cbTypeCoolerData;
    case TSelectionList::Oil:
        return Page.cbOilCoolerData;
    case TSelectionList::OilFlowUnit:
        return Page.cbOilflowCoolerData;
    case TSelectionList::MaxTempUnit:
        return Page.cbMaxTempCoolerData;
    case TSelectionList::AirTempUnit:
        return Page.cbAirTempCoolerData;
    case TSelectionList::AltitudeUnit:
        return Page.cbAlittudeCoolerData;
    case TSelectionList::HeatDissUnit:
        break;
    }
    return Page.cbHeatDissCoolerData;
}

QGroupBox* TQtSelectionView::GroupOf(TSelectionGroup group) const {
    switch (group) {
    case TSelectionGroup::CoolerData:
        return Page.gbCoolerdata;
    case TSelectionGroup::OilType:
        return Page.gbOilType;
    case TSelectionGroup::OilFlow:
        return Page.gbOilflowCoolerData;
    case TSelectionGroup::MaxTemp:
        return Page.gbMaxTempCoolerData;
    case TSelectionGroup::AirTemp:
        return Page.gbAirTempCoolerData;
    case TSelectionGroup::Altitude:
        return Page.gbAlittudeCoolerData;
    case TSelectionGroup::HeatDiss:
        return Page.gbcbHeatDissCoolerData;
    case TSelectionGroup::Output:
        break;
    }
    return Page.gbOutputCoolerData;
}

QLabel* TQtSelectionView::CaptionOf(TResultLine line) const {
    const std::array<QLabel*, ResultLineCount> captions{
        Page.lbOilInletTempCoolerText,  Page.lbOilOutletTempCoolerText,
        Page.lbAirOutletTempCoolerText, Page.lbHeatLoadCoolerText,
        Page.lbOilPressureCoolerText,   Page.lbAirFlowCoolerText,
        Page.lbMotorCapacityCoolerText, Page.lbNoiseLevelCoolerText,
        Page.lbProtectionStdCoolerText};
    return captions[static_cast<int>(line)];
}

QLabel* TQtSelectionView::ValueOf(TResultLine line) const {
    const std::array<QLabel*, ResultLineCount> values{
        Page.lbOilInletTempCoolerValue,  Page.lbOilOutletTempCoolerValue,
        Page.lbAirOutletTempCoolerValue, Page.lbHeatLoadCoolerValue,
        Page.lbOilPressureCoolerValue,   Page.lbAirFlowCoolerValue,
        Page.lbMotorCapacityCoolerValue, Page.lbNoiseLevelCoolerValue,
        Page.lbProtectionStdCoolerValue};
    return values[static_cast<int>(line)];
}

QRadioButton* TQtSelectionView::SeriesButton(TCoolerType series) const {
    switch (series) {
    case AC_Cooler:
        return Page.rbACCoolerData;
    case DC_Cooler:
        return Page.rbDCCoolerData;
    case Cooler_System:
        return Page.rbCSCoolerData;
    case VCS_Cooler:
        break;
    }
    return Page.rbVCSCoolerData;
}

QString TQtSelectionView::EntryText(TSelectionEntry entry) const {
    return EntryOf(entry)->text();
}

void TQtSelectionView::SetEntryText(TSelectionEntry entry, const QString& text) {
    QLineEdit* edit = EntryOf(entry);
    const QSignalBlocker quiet(edit);
    edit->setText(text);
}

void TQtSelectionView::SetEntryFontColor(TSelectionEntry entry, TColor color) {
    Paint(EntryOf(entry), QPalette::Text, color);
}

void TQtSelectionView::SetEntryColor(TSelectionEntry entry, TColor background) {
    Paint(EntryOf(entry), QPalette::Base, background);
}

void TQtSelectionView::SetEntryFocus(TSelectionEntry entry) {
    // After the message box has closed; the entry the user went to meanwhile is not left by
    // the user then, so its exit action does not run and ask again.
    QLineEdit* edit = EntryOf(entry);
    QTimer::singleShot(0, edit, [this, edit] {
        ReturningFocus = true;
        edit->setFocus(Qt::OtherFocusReason);
        ReturningFocus = false;
    });
}

std::optional<TSelectionEntry> TQtSelectionView::FocusedEntry() const {
    // The window's focus widget, also while another window (a message box) is active.
    const QWidget* focus = Page.window()->focusWidget();
    for (TSelectionEntry entry : SelectionEntries) {
        if (focus == EntryOf(entry))
            return entry;
    }
    return std::nullopt;
}

void TQtSelectionView::SetEntryEnabled(TSelectionEntry entry, bool enabled) {
    EntryOf(entry)->setEnabled(enabled);
}

void TQtSelectionView::SetEntryReadOnly(TSelectionEntry entry, bool readOnly) {
    EntryOf(entry)->setReadOnly(readOnly);
}

int TQtSelectionView::ListIndex(TSelectionList list) const {
    return ListOf(list)->currentIndex();
}

void TQtSelectionView::SetListIndex(TSelectionList list, int index) {
    QComboBox* combo = ListOf(list);
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index);
}

QStringList TQtSelectionView::ListItems(TSelectionList list) const {
    const QComboBox* combo = ListOf(list);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

void TQtSelectionView::SetListItems(TSelectionList list, const QStringList& items) {
    QComboBox* combo = ListOf(list);
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
}

QString TQtSelectionView::GroupCaption(TSelectionGroup group) const {
    return GroupOf(group)->title();
}

std::optional<TCoolerType> TQtSelectionView::SelectedSeries() const {
    for (TCoolerType series : {AC_Cooler, DC_Cooler, Cooler_System, VCS_Cooler}) {
        if (SeriesButton(series)->isChecked())
            return series;
    }
    return std::nullopt;
}

void TQtSelectionView::SetSelectedSeries(TCoolerType series) {
    const QSignalBlocker ac(Page.rbACCoolerData);
    const QSignalBlocker dc(Page.rbDCCoolerData);
    const QSignalBlocker cs(Page.rbCSCoolerData);
    const QSignalBlocker vcs(Page.rbVCSCoolerData);
    SeriesButton(series)->setChecked(true);
}

bool TQtSelectionView::ModeGroupVisible() const {
    return !Page.gbMode->isHidden();
}

void TQtSelectionView::SetFixedTempSelected(bool fixedTemp) {
    const QSignalBlocker temp(Page.rbFixedTemp);
    const QSignalBlocker power(Page.rbFixedPower);
    (fixedTemp ? Page.rbFixedTemp : Page.rbFixedPower)->setChecked(true);
}

void TQtSelectionView::ApplyLanguageTexts() {
    ::ApplyLanguageTexts(Window);
}

QString TQtSelectionView::ResultCaption(TResultLine line) const {
    return CaptionOf(line)->text();
}

void TQtSelectionView::SetResultCaption(TResultLine line, const QString& text) {
    CaptionOf(line)->setText(text);
}

QString TQtSelectionView::ResultValue(TResultLine line) const {
    return ValueOf(line)->text();
}

void TQtSelectionView::SetResultValue(TResultLine line, const QString& text) {
    ValueOf(line)->setText(text);
}

void TQtSelectionView::SetResultValueColors(TResultLine line, TColor background, TColor font) {
    QLabel* value = ValueOf(line);
    Paint(value, QPalette::Window, background);
    Paint(value, QPalette::WindowText, font);
}

TColor TQtSelectionView::ResultValueBackground(TResultLine line) const {
    return ValueOf(line)->palette().color(QPalette::Window).rgb() & 0xFFFFFF;
}

void TQtSelectionView::SetResultLineVisible(TResultLine line, bool visible) {
    CaptionOf(line)->setVisible(visible);
    ValueOf(line)->setVisible(visible);
}

void TQtSelectionView::SetDisclaimerText(const QString& text) {
    Page.mmDisclamer->setPlainText(text);
}

void TQtSelectionView::SetPrintEnabled(bool enabled) {
    Window.SetPrintEnabled(enabled);
    Window.PrinterEnableFLG = enabled;
}

bool TQtSelectionView::GridVisible() const {
    return !Page.sgCoolerSamples->isHidden();
}

void TQtSelectionView::SetGridVisible(bool visible) {
    Page.sgCoolerSamples->setVisible(visible);
}

void TQtSelectionView::SetGridRows(const QList<TSampleRow>& rows) {
    const QSignalBlocker quiet(Page.sgCoolerSamples->selectionModel());
    Page.CandidateRows->SetRows(rows);
    ShareGridWidth();
}

void TQtSelectionView::SetGridSelectedRow(int row) {
    const int column = std::max(Page.sgCoolerSamples->currentIndex().column(), 0);
    SetCurrentCandidate(Page.CandidateRows->index(row - 1, column));
}

int TQtSelectionView::GridSelectedRow() const {
    return Page.sgCoolerSamples->currentIndex().row() + 1;
}

void TQtSelectionView::ShareGridWidth() {
    // Shares of the grid's width by column; the last column takes what is left of 99 %. The
    // grid keeps its place on the page while it is hidden.
    constexpr std::array<int, SampleColumnCount - 1> columnPercent{25, 21, 20, 14};
    QTableView* grid = Page.sgCoolerSamples;
    const int width = grid->width();
    int used = 0;
    for (int column = 0; column < SampleColumnCount - 1; ++column) {
        grid->setColumnWidth(column, width * columnPercent[column] / 100);
        used += grid->columnWidth(column); // the grid may not take a width exactly
    }
    grid->setColumnWidth(SampleColumnCount - 1, width * 99 / 100 - used);
}

void TQtSelectionView::ShowDiagram(const TSelectionDiagram& diagram) {
    Page.pnlSelectionDiagram->ShowDiagram(diagram);
}

const std::optional<TSelectionDiagram>& TQtSelectionView::ShownDiagram() const {
    return Page.pnlSelectionDiagram->ShownDiagram();
}

void TQtSelectionView::ClearDiagram() {
    Page.pnlSelectionDiagram->ClearDiagram();
}

void TQtSelectionView::ShowDimensionSeries(TCoolerType series) {
    if (OnShowDimensionSeries)
        OnShowDimensionSeries(series);
}

TEdition TQtSelectionView::Edition() const {
    return Window.Edition();
}

QString TQtSelectionView::IniFilePath() const {
    return Window.IniFilePath;
}

TServiceMargins TQtSelectionView::ServiceMargins() const {
    return Window.ServiceMargins;
}

TLanguage* TQtSelectionView::TextStore() const {
    return Window.TheLanguage.get();
}

QString TQtSelectionView::MotorCapacityCoolerTextStr() const {
    return Window.TextVariables.MotorCapacityCoolerTextStr;
}

QString TQtSelectionView::AlterationsNoteStr() const {
    return Window.TextVariables.AlterationsNoteStr;
}

QString TQtSelectionView::RpmTextStr() const {
    return Window.TextVariables.RpmTextStr;
}

QString TQtSelectionView::ThousandsReadingsStr() const {
    return Window.TextVariables.ThousandsReadingsStr;
}

QString TQtSelectionView::PowerCapacityCoolerTextStr() const {
    return Window.TextVariables.PowerCapacityCoolerTextStr;
}

QString TQtSelectionView::ProtectionStdCoolerTextStr() const {
    return Window.TextVariables.ProtectionStdCoolerTextStr;
}
