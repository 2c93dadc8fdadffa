#include "ui/DimensionsPage.h"

#include "ui/Controls.h"
#include "ui/PageFooter.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TDimensionsPage::TDimensionsPage(QWidget* Parent) : TPageWidget(Parent) {
    NewChoice();
    NewData();
    NewButtons();

    auto* left = new QVBoxLayout;
    left->addWidget(gbDimensionChoice);
    left->addWidget(plDimTg);
    left->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(14);
    columns->addLayout(left, 2);
    columns->addWidget(gbDimensionData, 3, Qt::AlignTop);

    auto* footer = new TPageFooter(QStringLiteral("lbPage3CpyRights"),
                                   QStringLiteral("pnlEngineeringSuccessPage3"), this);
    lbPage3CpyRights = footer->Rights;
    pnlEngineeringSuccessPage3 = footer->Slogan;

    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addStretch(1);
    page->addWidget(footer);
}

void TDimensionsPage::NewChoice() {
    gbDimensionChoice = NewGroup(QStringLiteral("gbDimensionChoice"), this);
    rbACCooler = NewRadio(QStringLiteral("rbACCooler"), gbDimensionChoice);
    rbDCCooler = NewRadio(QStringLiteral("rbDCCooler"), gbDimensionChoice);
    rbCoolerSystem = NewRadio(QStringLiteral("rbCoolerSystem"), gbDimensionChoice);
    rbVCSCooler = NewRadio(QStringLiteral("rbVCSCooler"), gbDimensionChoice);
    cbDimension = NewList(QStringLiteral("cbDimension"), {}, gbDimensionChoice);
    auto* layout = new QVBoxLayout(gbDimensionChoice);
    for (QRadioButton* button : {rbACCooler, rbDCCooler, rbCoolerSystem, rbVCSCooler})
        layout->addWidget(button);
    layout->addSpacing(4);
    layout->addWidget(cbDimension);
}

void TDimensionsPage::NewData() {
    gbDimensionData = NewGroup(QStringLiteral("gbDimensionData"), this);
    lbEnginPower = NewLabel(QStringLiteral("lbEnginPower"), gbDimensionData);
    lbWeight = NewLabel(QStringLiteral("lbWeight"), gbDimensionData);
    lbCoolerArea = NewLabel(QStringLiteral("lbCoolerArea"), gbDimensionData);
    lbOilVolume = NewLabel(QStringLiteral("lbOilVolume"), gbDimensionData);
    lbDimensionText1 = NewLabel(QStringLiteral("lbDimensionText1"), gbDimensionData);
    lbDimensionText2 = NewLabel(QStringLiteral("lbDimensionText2"), gbDimensionData);
    lbDimensionText3 = NewLabel(QStringLiteral("lbDimensionText3"), gbDimensionData);
    lbCoolerArea->hide();
    lbOilVolume->hide();
    for (QLabel* note : {lbDimensionText1, lbDimensionText2, lbDimensionText3})
        note->setWordWrap(true);

    auto* layout = new QVBoxLayout(gbDimensionData);
    layout->setSpacing(3);
    for (QLabel* line : {lbEnginPower, lbWeight, lbCoolerArea, lbOilVolume})
        layout->addWidget(line);
    layout->addSpacing(14);
    // The two free-space lines are one sentence split in two; they read as one paragraph.
    layout->addWidget(lbDimensionText1);
    layout->addSpacing(6);
    layout->addWidget(lbDimensionText2);
    layout->addWidget(lbDimensionText3);
}

void TDimensionsPage::NewButtons() {
    plDimTg = new QFrame(this);
    plDimTg->setObjectName(QStringLiteral("plDimTg"));
    btPdfFile = NewButton(QStringLiteral("btPdfFile"), plDimTg);
    btCodeKey = NewButton(QStringLiteral("btCodeKey"), plDimTg);
    btVhmMotorData = NewButton(QStringLiteral("btVhmMotorData"), plDimTg);
    btVhmMotorData->hide();
    auto* layout = new QHBoxLayout(plDimTg);
    layout->setContentsMargins(0, 6, 0, 0);
    for (QPushButton* button : {btPdfFile, btCodeKey, btVhmMotorData}) {
        button->setMinimumWidth(120);
        layout->addWidget(button);
    }
    layout->addStretch(1);
}
