#include "ui/SelectionPage.h"

#include "pages/selection/CandidateTableModel.h"
#include "pages/selection/SelectionPageItems.h"
#include "ui/Artwork.h"
#include "ui/Controls.h"
#include "ui/PageFooter.h"
#include "ui/SelectionDiagramPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TSelectionPage::TSelectionPage(QWidget* Parent) : TPageWidget(Parent) {
    auto* footer = new TPageFooter(QStringLiteral("lbPage1CpyRights"),
                                   QStringLiteral("pnlEngineeringSuccessPage1"), this);
    Image2 = footer->Logo;
    Image2->setObjectName(QStringLiteral("Image2"));
    lbPage1CpyRights = footer->Rights;
    pnlEngineeringSuccessPage1 = footer->Slogan;

    auto* columns = new QHBoxLayout;
    columns->setSpacing(14);
    columns->addWidget(NewSeriesColumn(), 10);
    columns->addWidget(NewInputColumn(), 9);
    columns->addWidget(NewResultColumn(), 11);

    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addLayout(NewCandidatesRow(), 1);
    page->addWidget(footer);
}

QLayout* TSelectionPage::NewCandidatesRow() {
    // The candidates and their diagram share the row below the inputs. Both keep their places
    // while hidden, so that the grid's columns are sized to the width they will have.
    NewCandidatesGrid();
    pnlSelectionDiagram = new TSelectionDiagramPanel(this);
    for (QWidget* shownAfterNew :
         {static_cast<QWidget*>(sgCoolerSamples), static_cast<QWidget*>(pnlSelectionDiagram)}) {
        QSizePolicy keepPlace = shownAfterNew->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        shownAfterNew->setSizePolicy(keepPlace);
    }
    auto* row = new QHBoxLayout;
    row->setSpacing(14);
    row->addWidget(sgCoolerSamples, 3, Qt::AlignTop);
    row->addWidget(pnlSelectionDiagram, 2);
    return row;
}

QWidget* TSelectionPage::NewSeriesColumn() {
    auto* column = new QWidget(this);
    gbCoolerdata = NewGroup(QStringLiteral("gbCoolerdata"), column);
    rbACCoolerData = NewRadio(QStringLiteral("rbACCoolerData"), gbCoolerdata);
    rbDCCoolerData = NewRadio(QStringLiteral("rbDCCoolerData"), gbCoolerdata);
    rbCSCoolerData = NewRadio(QStringLiteral("rbCSCoolerData"), gbCoolerdata);
    rbVCSCoolerData = NewRadio(QStringLiteral("rbVCSCoolerData"), gbCoolerdata);
    cbTypeCoolerData = NewList(QStringLiteral("cbTypeCoolerData"), {}, gbCoolerdata);
    auto* series = new QVBoxLayout(gbCoolerdata);
    for (QRadioButton* button : {rbACCoolerData, rbDCCoolerData, rbCSCoolerData, rbVCSCoolerData})
        series->addWidget(button);
    series->addSpacing(4);
    series->addWidget(cbTypeCoolerData);

    gbOilType = NewGroup(QStringLiteral("gbOilType"), column);
    cbOilCoolerData = NewList(QStringLiteral("cbOilCoolerData"), OilGradeItems(), gbOilType);
    (new QVBoxLayout(gbOilType))->addWidget(cbOilCoolerData);

    mmDisclamer = new QPlainTextEdit(column);
    mmDisclamer->setObjectName(QStringLiteral("mmDisclamer"));
    mmDisclamer->setReadOnly(true);
    mmDisclamer->setFrameShape(QFrame::NoFrame);
    mmDisclamer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mmDisclamer->setFocusPolicy(Qt::NoFocus);
    mmDisclamer->setFixedHeight(mmDisclamer->fontMetrics().lineSpacing() * 2 + 12);

    gbMode = NewGroup(QStringLiteral("gbMode"), column);
    rbFixedPower = NewRadio(QStringLiteral("rbFixedPower"), gbMode);
    rbFixedTemp = NewRadio(QStringLiteral("rbFixedTemp"), gbMode);
    auto* modes = new QVBoxLayout(gbMode);
    modes->addWidget(rbFixedPower);
    modes->addWidget(rbFixedTemp);
    gbMode->hide();

    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gbCoolerdata);
    layout->addWidget(gbOilType);
    layout->addWidget(gbMode);
    layout->addWidget(mmDisclamer);
    layout->addStretch(1);
    return column;
}

QWidget* TSelectionPage::NewInputColumn() {
    auto* column = new QWidget(this);
    const TUnitEntry flow = NewUnitEntry(
        QStringLiteral("gbOilflowCoolerData"), QStringLiteral("edOilflowCoolerData"),
        QStringLiteral("cbOilflowCoolerData"), UnitItems(TSelectionEntry::OilFlow), column);
    const TUnitEntry maxTemp = NewUnitEntry(
        QStringLiteral("gbMaxTempCoolerData"), QStringLiteral("edMaxTempCoolerData"),
        QStringLiteral("cbMaxTempCoolerData"), UnitItems(TSelectionEntry::MaxTemp), column);
    const TUnitEntry airTemp = NewUnitEntry(
        QStringLiteral("gbAirTempCoolerData"), QStringLiteral("edAirTempCoolerData"),
        QStringLiteral("cbAirTempCoolerData"), UnitItems(TSelectionEntry::AirTemp), column);
    const TUnitEntry altitude = NewUnitEntry(
        QStringLiteral("gbAlittudeCoolerData"), QStringLiteral("edAlittudeCoolerData"),
        QStringLiteral("cbAlittudeCoolerData"), UnitItems(TSelectionEntry::Altitude), column);
    const TUnitEntry heat = NewUnitEntry(
        QStringLiteral("gbcbHeatDissCoolerData"), QStringLiteral("edHeatDissCoolerData"),
        QStringLiteral("cbHeatDissCoolerData"), UnitItems(TSelectionEntry::HeatDiss), column);
    gbOilflowCoolerData = flow.Group;
    edOilflowCoolerData = flow.Entry;
    cbOilflowCoolerData = flow.Units;
    gbMaxTempCoolerData = maxTemp.Group;
    edMaxTempCoolerData = maxTemp.Entry;
    cbMaxTempCoolerData = maxTemp.Units;
    gbAirTempCoolerData = airTemp.Group;
    edAirTempCoolerData = airTemp.Entry;
    cbAirTempCoolerData = airTemp.Units;
    gbAlittudeCoolerData = altitude.Group;
    edAlittudeCoolerData = altitude.Entry;
    cbAlittudeCoolerData = altitude.Units;
    gbcbHeatDissCoolerData = heat.Group;
    edHeatDissCoolerData = heat.Entry;
    cbHeatDissCoolerData = heat.Units;

    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QGroupBox* group : {gbOilflowCoolerData, gbMaxTempCoolerData, gbAirTempCoolerData,
                             gbAlittudeCoolerData, gbcbHeatDissCoolerData})
        layout->addWidget(group);
    layout->addStretch(1);
    return column;
}

QWidget* TSelectionPage::NewResultColumn() {
    auto* column = new QWidget(this);
    gbOutputCoolerData = NewGroup(QStringLiteral("gbOutputCoolerData"), column);
    auto* lines = new QGridLayout(gbOutputCoolerData);
    lines->setHorizontalSpacing(12);
    lines->setVerticalSpacing(5);
    lines->setColumnStretch(0, 1);
    AddResultLine(0, lbOilInletTempCoolerText, QStringLiteral("lbOilInletTempCoolerText"),
                  lbOilInletTempCoolerValue, QStringLiteral("lbOilInletTempCoolerValue"));
    AddResultLine(1, lbOilOutletTempCoolerText, QStringLiteral("lbOilOutletTempCoolerText"),
                  lbOilOutletTempCoolerValue, QStringLiteral("lbOilOutletTempCoolerValue"));
    AddResultLine(2, lbAirOutletTempCoolerText, QStringLiteral("lbAirOutletTempCoolerText"),
                  lbAirOutletTempCoolerValue, QStringLiteral("lbAirOutletTempCoolerValue"));
    AddResultLine(3, lbHeatLoadCoolerText, QStringLiteral("lbHeatLoadCoolerText"),
                  lbHeatLoadCoolerValue, QStringLiteral("lbHeatLoadCoolerValue"));
    AddResultLine(4, lbOilPressureCoolerText, QStringLiteral("lbOilPressureCoolerText"),
                  lbOilPressureCoolerValue, QStringLiteral("lbOilPressureCoolerValue"));
    AddResultLine(5, lbAirFlowCoolerText, QStringLiteral("lbAirFlowCoolerText"),
                  lbAirFlowCoolerValue, QStringLiteral("lbAirFlowCoolerValue"));
    AddResultLine(6, lbMotorCapacityCoolerText, QStringLiteral("lbMotorCapacityCoolerText"),
                  lbMotorCapacityCoolerValue, QStringLiteral("lbMotorCapacityCoolerValue"));
    AddResultLine(7, lbNoiseLevelCoolerText, QStringLiteral("lbNoiseLevelCoolerText"),
                  lbNoiseLevelCoolerValue, QStringLiteral("lbNoiseLevelCoolerValue"));
    AddResultLine(8, lbProtectionStdCoolerText, QStringLiteral("lbProtectionStdCoolerText"),
                  lbProtectionStdCoolerValue, QStringLiteral("lbProtectionStdCoolerValue"));

    btCalcSelectedCooler = NewButton(QStringLiteral("btCalcSelectedCooler"), column);
    btCalcNewCooler = NewButton(QStringLiteral("btCalcNewCooler"), column);
    sbPrint = new QToolButton(column);
    sbPrint->setObjectName(QStringLiteral("sbPrint"));
    sbPrint->setIcon(PrinterIcon());
    sbPrint->setIconSize(QSize(24, 24));
    sbPrint->setAutoRaise(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btCalcSelectedCooler);
    buttons->addWidget(btCalcNewCooler);
    buttons->addStretch(1);
    buttons->addWidget(sbPrint);

    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gbOutputCoolerData);
    layout->addLayout(buttons);
    layout->addStretch(1);
    return column;
}

void TSelectionPage::AddResultLine(int Row, QLabel*& Caption, const QString& CaptionName,
                                   QLabel*& Value, const QString& ValueName) {
    Caption = NewLabel(CaptionName, gbOutputCoolerData);
    Value = NewLabel(ValueName, gbOutputCoolerData);
    Value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Value->setMinimumWidth(120);
    // A value sits in a box of its own, whose background turns red when a model falls short.
    Value->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Value->setAutoFillBackground(true);
    Value->setContentsMargins(4, 0, 4, 0);
    Value->setMinimumHeight(Value->fontMetrics().height() + 8);
    auto* lines = static_cast<QGridLayout*>(gbOutputCoolerData->layout());
    lines->addWidget(Caption, Row, 0);
    lines->addWidget(Value, Row, 1);
}

void TSelectionPage::NewCandidatesGrid() {
    sgCoolerSamples = new QTableView(this);
    sgCoolerSamples->setObjectName(QStringLiteral("sgCoolerSamples"));
    CandidateRows = new TCandidateTableModel(sgCoolerSamples);
    sgCoolerSamples->setModel(CandidateRows);
    sgCoolerSamples->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgCoolerSamples->setSelectionMode(QAbstractItemView::SingleSelection);
    sgCoolerSamples->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgCoolerSamples->verticalHeader()->hide();
    sgCoolerSamples->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    sgCoolerSamples->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The columns are sized to the page when the candidates are listed; a page made narrower
    // afterwards scrolls them rather than hiding the last.
    sgCoolerSamples->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The header and three candidates, and room for that scroll bar below them.
    sgCoolerSamples->setFixedHeight(4 * sgCoolerSamples->verticalHeader()->defaultSectionSize() +
                                    2 * sgCoolerSamples->frameWidth() + 4 +
                                    style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    sgCoolerSamples->hide();
}
