#include "tests/support/WindowTestSupport.h"

#include "core/RegionalSettings.h"
#include "ui/DimensionsPage.h"
#include "ui/DimensionsPageLogic.h"
#include "ui/HeatLoadPage.h"
#include "ui/HeatLoadPageLogic.h"
#include "ui/SelectionPage.h"
#include "ui/SelectionPageLogic.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

namespace {

// What the selection page shows: its entries with their units, the chosen series and model,
// the result panel, the candidates grid with its picked row, and whether printing is offered.
QStringList Shown(const TSelectionPage& page) {
    QStringList shown;
    for (const auto& [entry, unit] : {std::pair{page.edOilflowCoolerData, page.cbOilflowCoolerData},
                                      {page.edMaxTempCoolerData, page.cbMaxTempCoolerData},
                                      {page.edAirTempCoolerData, page.cbAirTempCoolerData},
                                      {page.edAlittudeCoolerData, page.cbAlittudeCoolerData},
                                      {page.edHeatDissCoolerData, page.cbHeatDissCoolerData}})
        shown.append(entry->text() + ' ' + unit->currentText());
    for (const QRadioButton* series :
         {page.rbACCoolerData, page.rbDCCoolerData, page.rbCSCoolerData, page.rbVCSCoolerData})
        if (series->isChecked())
            shown.append(series->objectName());
    shown.append(page.cbTypeCoolerData->currentText());
    for (const QLabel* line : {page.lbOilInletTempCoolerValue, page.lbOilOutletTempCoolerValue,
                               page.lbAirOutletTempCoolerValue, page.lbHeatLoadCoolerValue,
                               page.lbOilPressureCoolerValue, page.lbAirFlowCoolerValue,
                               page.lbMotorCapacityCoolerValue, page.lbNoiseLevelCoolerValue})
        shown.append(line->text());
    shown.append(page.lbMotorCapacityCoolerText->text());
    const QTableView* grid = page.sgCoolerSamples;
    if (grid->isVisibleTo(&page)) {
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            for (int column = 0; column < grid->model()->columnCount(); ++column)
                shown.append(grid->model()->index(row, column).data().toString());
        shown.append(QStringLiteral("picked %1").arg(grid->currentIndex().row()));
    }
    shown.append(page.sbPrint->isEnabled() ? "print" : "no print");
    return shown;
}

// The window with every page's logic registered as the program registers it, active and
// showing the selection page in metric units.
class SelectionRoundTrip : public WindowTest {
protected:
    void SetUp() override { Start(); }

    void Start() {
        Window = StartWindow([this](TfKylvane& w) {
            auto selection = std::make_unique<TSelectionPageLogic>(w);
            Logic = selection.get();
            w.SetPageInputs(DimensionsPageIndex,
                            std::make_unique<TDimensionsPageLogic>(w, selection->View));
            w.SetSelectionPageHooks(std::move(selection));
            w.SetPageInputs(HeatLoadPageIndex, std::make_unique<THeatLoadPageLogic>(w));
        });
        QApplication::setActiveWindow(Window.get());
        Window->PageControl1->setCurrentIndex(SelectionPageIndex);
        Page = Window->SelectionPage;
    }

    // What a program started again on the same settings finds.
    void Restart() {
        Window.reset();
        Start();
    }

    void ShowPage(int index) { Window->PageControl1->setCurrentIndex(index); }

    // 100 l/min, 60 °C, 30 °C, 0 m, 20 kW.
    void TypeOperatingPointInMetricUnits() {
        Pick(Page->cbOilflowCoolerData, 1);
        Pick(Page->cbMaxTempCoolerData, 0);
        Pick(Page->cbAirTempCoolerData, 0);
        Pick(Page->cbAlittudeCoolerData, 0);
        Pick(Page->cbHeatDissCoolerData, 1);
        Type(Page->edOilflowCoolerData, "100");
        Type(Page->edMaxTempCoolerData, "60");
        Type(Page->edAirTempCoolerData, "30");
        Type(Page->edAlittudeCoolerData, "0");
        Type(Page->edHeatDissCoolerData, "20");
    }

    TScopedRegionalSettings Point{QLatin1Char('.')};
    std::unique_ptr<TfKylvane> Window;
    TSelectionPage* Page = nullptr;
    TSelectionPageLogic* Logic = nullptr; // owned by the window
};

TEST_F(SelectionRoundTrip, EveryOtherPageLeavesEntriesAndResultsAsTheyWere) {
    TypeOperatingPointInMetricUnits();
    Page->btCalcNewCooler->click();
    ASSERT_TRUE(Page->sbPrint->isEnabled()) << Recorded.Texts().join(" | ").toStdString();
    Page->sgCoolerSamples->setCurrentIndex(
        Page->sgCoolerSamples->model()->index(1, 0)); // the user looks at the next candidate
    const QStringList before = Shown(*Page);

    for (int page : {StartPageIndex, HeatLoadPageIndex, DimensionsPageIndex, LanguagePageIndex}) {
        SCOPED_TRACE(page);
        ShowPage(page);
        if (page == DimensionsPageIndex)
            Window->DimensionsPage->rbCoolerSystem->click(); // another series there
        ShowPage(SelectionPageIndex);
        EXPECT_EQ(Shown(*Page), before);
    }
    EXPECT_EQ(Logic->View.Controller().SeriesSized(), AC_Cooler);
    EXPECT_TRUE(Recorded.Shown.isEmpty()) << Recorded.Texts().join(" | ").toStdString();
}

TEST_F(SelectionRoundTrip, CalculatedCoolingIsTakenInItsUnitFromWhicheverPage) {
    TypeOperatingPointInMetricUnits();
    Page->btCalcNewCooler->click();
    ShowPage(HeatLoadPageIndex);
    THeatLoadPage& heatLoad = *Window->HeatLoadPage;
    Pick(heatLoad.cbUnitOilVolumeHeatDissi, 0);
    Pick(heatLoad.cbUnitDensitylHeatDissi, 0);
    Pick(heatLoad.cbUnitStartTemplHeatDissi, 0);
    Pick(heatLoad.cbUnitlEndTempHeatDissi, 0);
    Pick(heatLoad.cbUnitlResultHeatDissi, 0); // W
    Type(heatLoad.edValueOilVolumeHeatDissi, "200");
    Type(heatLoad.edValueDensityHeatDissi, "0.89");
    Type(heatLoad.edValueStartTempHeatDissi, "20");
    Type(heatLoad.edValueEndTempHeatDissi, "50");
    Type(heatLoad.edValueTimeIntervalHeatDissi, "30");
    heatLoad.btCalculateHeatDissi->click();
    ShowPage(DimensionsPageIndex);
    ShowPage(SelectionPageIndex);

    EXPECT_EQ(Page->edHeatDissCoolerData->text(), "6171");
    EXPECT_EQ(Page->cbHeatDissCoolerData->currentText(), "W");
    EXPECT_FLOAT_EQ(Logic->View.Controller().EnteredPoint().CoolingRequired, 6.171f);
    EXPECT_FALSE(Page->sgCoolerSamples->isVisibleTo(Page));
    EXPECT_FALSE(Page->sbPrint->isEnabled());
    EXPECT_TRUE(Page->lbOilInletTempCoolerValue->text().isEmpty());
}

TEST_F(SelectionRoundTrip, TypedFlowComesBackAfterALookAtTheCoolingSystems) {
    TypeOperatingPointInMetricUnits();
    Page->rbVCSCoolerData->click();
    EXPECT_NE(Page->edOilflowCoolerData->text(), "100"); // the pump's flow
    Page->rbDCCoolerData->click();
    EXPECT_EQ(Page->edOilflowCoolerData->text(), "100");
    EXPECT_FLOAT_EQ(Logic->View.Controller().EnteredPoint().OilFlow, 100);
    EXPECT_TRUE(Page->edOilflowCoolerData->isEnabled());

    // Left on a cooling system, the typed flow is the one kept.
    Page->rbVCSCoolerData->click();
    Window->mmExit->trigger();
    Restart();
    EXPECT_TRUE(Page->rbVCSCoolerData->isChecked());
    Page->rbACCoolerData->click();
    EXPECT_EQ(Page->edOilflowCoolerData->text(), "100");
    EXPECT_FLOAT_EQ(Logic->View.Controller().EnteredPoint().OilFlow, 100);
}

TEST_F(SelectionRoundTrip, ClosingTheWindowKeepsTheOpenPagesInputs) {
    TypeOperatingPointInMetricUnits();
    Page->rbDCCoolerData->click();
    Pick(Page->cbTypeCoolerData, 2);
    const QStringList entered = Shown(*Page);
    Window->close(); // the close box
    Restart();
    EXPECT_EQ(Shown(*Page), entered);
    EXPECT_FLOAT_EQ(Logic->View.Controller().EnteredPoint().OilFlow, 100);
    EXPECT_FLOAT_EQ(Logic->View.Controller().EnteredPoint().MaxInletOilTemp, 60);
    EXPECT_FLOAT_EQ(Logic->View.Controller().EnteredPoint().CoolingRequired, 20);

    // A unit changed on the page open at closing is kept too, and so is the heat-load page's.
    Pick(Page->cbMaxTempCoolerData, 1);
    Window->mmExit->trigger();
    Restart();
    EXPECT_EQ(Page->cbMaxTempCoolerData->currentText(), "°F");
    EXPECT_EQ(Page->edMaxTempCoolerData->text(), "140");
    ShowPage(HeatLoadPageIndex);
    Type(Window->HeatLoadPage->edValueOilVolumeHeatDissi, "250");
    Window->close();
    Restart();
    ShowPage(HeatLoadPageIndex);
    EXPECT_EQ(Window->HeatLoadPage->edValueOilVolumeHeatDissi->text(), "250");
    EXPECT_TRUE(Recorded.Shown.isEmpty()) << Recorded.Texts().join(" | ").toStdString();
}

TEST_F(SelectionRoundTrip, ChangedMarginsLeaveNoStaleResults) {
    TypeOperatingPointInMetricUnits();
    Page->btCalcNewCooler->click();
    const QStringList before = Shown(*Page);

    Window->ServiceMargins.OutputOilAirDev = 25; // as the service dialog sets it
    Window->MarginsChanged();
    const QStringList after = Shown(*Page);
    EXPECT_NE(after, before);
    Page->btCalcNewCooler->click();
    EXPECT_EQ(Shown(*Page), after);
}

} // namespace
