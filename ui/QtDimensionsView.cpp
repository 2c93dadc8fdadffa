#include "ui/QtDimensionsView.h"

#include "ui/DimensionsPage.h"
#include "ui/MainWindow.h"
#include "ui/SelectionPage.h"
#include "ui/VHMMotorData.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QUrl>

TQtDimensionsView::TQtDimensionsView(TfKylvane& Window)
    : Window(Window), Page(*Window.DimensionsPage), Settings(Window.StoreRoots()),
      DimensionsController(*this, Settings, Window.MessageService()) {
    ConnectControls();
}

TQtDimensionsView::~TQtDimensionsView() = default;

void TQtDimensionsView::ConnectControls() {
    TDimensionsController& c = DimensionsController;
    for (TCoolerType series : {AC_Cooler, DC_Cooler, Cooler_System, VCS_Cooler}) {
        connect(SeriesButton(series), &QRadioButton::toggled, this, [&c, series](bool checked) {
            if (checked)
                c.ShowDimensionSeries(series);
        });
    }
    connect(Page.cbDimension, &QComboBox::activated, this, [&c] { c.cbDimensionChange(); });
    connect(Page.btPdfFile, &QPushButton::clicked, this, [&c] { c.btPdfFileClick(); });
    connect(Page.btCodeKey, &QPushButton::clicked, this, [&c] { c.btCodeKeyClick(); });
    connect(Page.btVhmMotorData, &QPushButton::clicked, this, [&c] { c.btVhmMotorDataClick(); });
}

QRadioButton* TQtDimensionsView::SeriesButton(TCoolerType series) const {
    switch (series) {
    case AC_Cooler:
        return Page.rbACCooler;
    case DC_Cooler:
        return Page.rbDCCooler;
    case Cooler_System:
        return Page.rbCoolerSystem;
    default:
        return Page.rbVCSCooler;
    }
}

std::optional<TCoolerType> TQtDimensionsView::SelectedSeries() const {
    for (TCoolerType series : {AC_Cooler, DC_Cooler, Cooler_System, VCS_Cooler}) {
        if (SeriesButton(series)->isChecked())
            return series;
    }
    return std::nullopt;
}

void TQtDimensionsView::SetSelectedSeries(TCoolerType series) {
    // The button that clears itself reports it too, which no action listens to.
    QRadioButton* button = SeriesButton(series);
    const QSignalBlocker quiet(button);
    button->setChecked(true);
}

int TQtDimensionsView::ModelIndex() const {
    return Page.cbDimension->currentIndex();
}

void TQtDimensionsView::SetModelIndex(int index) {
    Page.cbDimension->setCurrentIndex(index);
}

void TQtDimensionsView::SetModelItems(const QStringList& items) {
    Page.cbDimension->clear();
    Page.cbDimension->addItems(items);
}

void TQtDimensionsView::SetLineText(TDimensionLine line, const QString& text) {
    switch (line) {
    case TDimensionLine::EnginPower:
        Page.lbEnginPower->setText(text);
        break;
    case TDimensionLine::Weight:
        Page.lbWeight->setText(text);
        break;
    case TDimensionLine::CoolerArea:
        Page.lbCoolerArea->setText(text);
        break;
    case TDimensionLine::OilVolume:
        Page.lbOilVolume->setText(text);
        break;
    }
}

void TQtDimensionsView::SetNoteTexts(const QString& first, const QString& second) {
    Page.lbDimensionText2->setText(first);
    Page.lbDimensionText3->setText(second);
}

void TQtDimensionsView::SetCodeKeyVisible(bool visible) {
    Page.btCodeKey->setVisible(visible);
}

void TQtDimensionsView::SetMotorDataVisible(bool visible) {
    Page.btVhmMotorData->setVisible(visible);
}

QString TQtDimensionsView::SelectionOilGrade() const {
    return Window.SelectionPage->cbOilCoolerData->currentText();
}

int TQtDimensionsView::SelectionEnergyUnit() const {
    return Window.SelectionPage->cbHeatDissCoolerData->currentIndex();
}

TDimensionCaptions TQtDimensionsView::Captions() const {
    const TWindowTextVariables& texts = Window.TextVariables;
    return {texts.FixMotorCapacityStr,  texts.FixWeightStr,
            texts.FixCoolAreaStr,       texts.FixOilVolumeStr,
            texts.FreeSpaceText1Str,    texts.FreeSpaceText2Str,
            texts.VhmFreeSpaceText1Str, texts.VhmFreeSpaceText2Str,
            texts.FanPowerTextStr,      texts.RpmTextStr};
}

TEdition TQtDimensionsView::Edition() const {
    return Window.Edition();
}

QString TQtDimensionsView::IniFilePath() const {
    return Window.IniFilePath;
}

bool TQtDimensionsView::OpenDocument(const QString& fileName) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}

TfVHMMotorData& TQtDimensionsView::MotorDataWindow() {
    if (!MotorData)
        MotorData = new TfVHMMotorData(&Window);
    return *MotorData;
}

void TQtDimensionsView::ShowMotorData(const TMotorDataGrid& Grid) {
    MotorDataWindow().ShowModal(Grid);
}
