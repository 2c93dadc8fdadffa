#include "ui/HeatLoadPage.h"

#include "pages/heatload/HeatLoadPageItems.h"
#include "ui/Artwork.h"
#include "ui/Controls.h"
#include "ui/PageFooter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QVBoxLayout* Column(std::initializer_list<QGroupBox*> Groups) {
    auto* column = new QVBoxLayout;
    for (QGroupBox* group : Groups)
        column->addWidget(group);
    column->addStretch(1);
    return column;
}

} // namespace

THeatLoadPage::THeatLoadPage(QWidget* Parent) : TPageWidget(Parent) {
    NewDescription();

    const TUnitEntry volume = NewUnitEntry(
        QStringLiteral("gbOilVolumeHeatDissi"), QStringLiteral("edValueOilVolumeHeatDissi"),
        QStringLiteral("cbUnitOilVolumeHeatDissi"), UnitListItems(THeatLoadEntry::OilVolume), this);
    const TUnitEntry density = NewUnitEntry(
        QStringLiteral("gbDensityHeatDissi"), QStringLiteral("edValueDensityHeatDissi"),
        QStringLiteral("cbUnitDensitylHeatDissi"), UnitListItems(THeatLoadEntry::Density), this);
    const TUnitEntry capacity = NewUnitEntry(QStringLiteral("gbHeatCapacitivityHeatDissi"),
                                             QStringLiteral("edValueHeatCapcitivityHeatDissi"),
                                             QStringLiteral("cbUnitHeatCapacitivityHeatDissi"),
                                             UnitListItems(THeatLoadEntry::HeatCapa), this);
    const TUnitEntry start = NewUnitEntry(QStringLiteral("gbStartTempHeatDissi"),
                                          QStringLiteral("edValueStartTempHeatDissi"),
                                          QStringLiteral("cbUnitStartTemplHeatDissi"),
                                          UnitListItems(THeatLoadEntry::StartTemp), this);
    const TUnitEntry end = NewUnitEntry(
        QStringLiteral("gbEndTempHeatDissi"), QStringLiteral("edValueEndTempHeatDissi"),
        QStringLiteral("cbUnitlEndTempHeatDissi"), UnitListItems(THeatLoadEntry::EndTemp), this);
    const TUnitEntry time = NewUnitEntry(QStringLiteral("gbTimeIntervalHeatDissi"),
                                         QStringLiteral("edValueTimeIntervalHeatDissi"),
                                         QStringLiteral("cbUnitTimeIntervalHeatDissi"),
                                         UnitListItems(THeatLoadEntry::TimeInterval), this);
    const TUnitEntry result = NewUnitEntry(
        QStringLiteral("gbResultlHeatDissi"), QStringLiteral("edValueResultHeatDissi"),
        QStringLiteral("cbUnitlResultHeatDissi"), UnitListItems(THeatLoadEntry::Result), this);
    gbOilVolumeHeatDissi = volume.Group;
    edValueOilVolumeHeatDissi = volume.Entry;
    cbUnitOilVolumeHeatDissi = volume.Units;
    gbDensityHeatDissi = density.Group;
    edValueDensityHeatDissi = density.Entry;
    cbUnitDensitylHeatDissi = density.Units;
    gbHeatCapacitivityHeatDissi = capacity.Group;
    edValueHeatCapcitivityHeatDissi = capacity.Entry;
    cbUnitHeatCapacitivityHeatDissi = capacity.Units;
    gbStartTempHeatDissi = start.Group;
    edValueStartTempHeatDissi = start.Entry;
    cbUnitStartTemplHeatDissi = start.Units;
    gbEndTempHeatDissi = end.Group;
    edValueEndTempHeatDissi = end.Entry;
    cbUnitlEndTempHeatDissi = end.Units;
    gbTimeIntervalHeatDissi = time.Group;
    edValueTimeIntervalHeatDissi = time.Entry;
    cbUnitTimeIntervalHeatDissi = time.Units;
    gbResultlHeatDissi = result.Group;
    edValueResultHeatDissi = result.Entry;
    cbUnitlResultHeatDissi = result.Units;

    edValueHeatCapcitivityHeatDissi->setReadOnly(true);
    edValueResultHeatDissi->setReadOnly(true);
    edValueResultHeatDissi->setFocusPolicy(Qt::ClickFocus);
    // The unit lists are picked with the mouse; Tab walks only through the entries.
    for (QComboBox* units :
         {cbUnitOilVolumeHeatDissi, cbUnitDensitylHeatDissi, cbUnitHeatCapacitivityHeatDissi,
          cbUnitStartTemplHeatDissi, cbUnitlEndTempHeatDissi, cbUnitTimeIntervalHeatDissi,
          cbUnitlResultHeatDissi})
        units->setFocusPolicy(Qt::ClickFocus);

    btCalculateHeatDissi = NewButton(QStringLiteral("btCalculateHeatDissi"), this);
    bbtReset = NewButton(QStringLiteral("bbtReset"), this);
    bbtReset->setIcon(ResetIcon());
    bbtReset->setIconSize(QSize(24, 24));

    auto* resultColumn = new QVBoxLayout;
    resultColumn->addWidget(btCalculateHeatDissi, 0, Qt::AlignLeft);
    resultColumn->addWidget(gbResultlHeatDissi);
    resultColumn->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(14);
    columns->addLayout(
        Column({gbOilVolumeHeatDissi, gbDensityHeatDissi, gbHeatCapacitivityHeatDissi}), 1);
    columns->addLayout(Column({gbStartTempHeatDissi, gbEndTempHeatDissi, gbTimeIntervalHeatDissi}),
                       1);
    columns->addLayout(resultColumn, 1);

    auto* footer = new TPageFooter(QStringLiteral("lbPage2CpyRights"),
                                   QStringLiteral("pnlEngineeringSuccessPage2"), this);
    lbPage2CpyRights = footer->Rights;
    pnlEngineeringSuccessPage2 = footer->Slogan;

    auto* page = new QVBoxLayout(this);
    page->addWidget(gbTextFrameHeatDissi);
    page->addSpacing(6);
    page->addLayout(columns);
    page->addStretch(1);
    page->addWidget(bbtReset, 0, Qt::AlignLeft);
    page->addWidget(footer);
}

void THeatLoadPage::NewDescription() {
    gbTextFrameHeatDissi = NewGroup(QStringLiteral("gbTextFrameHeatDissi"), this);
    auto* lines = new QVBoxLayout(gbTextFrameHeatDissi);
    lines->setSpacing(1);
    int number = 0;
    for (QLabel** line : {&lbFreeTextHeatDissi1, &lbFreeTextHeatDissi2, &lbFreeTextHeatDissi3,
                          &lbFreeTextHeatDissi4, &lbFreeTextHeatDissi5, &lbFreeTextHeatDissi6}) {
        *line =
            NewLabel(QStringLiteral("lbFreeTextHeatDissi%1").arg(++number), gbTextFrameHeatDissi);
        lines->addWidget(*line);
    }
}
