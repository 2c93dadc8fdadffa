#include "tests/support/WindowTestSupport.h"

#include "core/RegionalSettings.h"
#include "ui/HeatLoadPage.h"
#include "ui/HeatLoadPageLogic.h"
#include "ui/SelectionPage.h"
#include "ui/SelectionPageLogic.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

// The window with the selection and heat-load logic, as the program starts it, showing page 2
// with the installation's US choices: US gal, lb/ft³, Btu/lb°F, °F and BTU/h.
class HeatLoadView : public WindowTest {
protected:
    void SetUp() override { Start(); }

    void Start() {
        Window = StartWindow([this](TfKylvane& w) {
            auto selection = std::make_unique<TSelectionPageLogic>(w);
            Selection = selection.get();
            w.SetSelectionPageHooks(std::move(selection));
            w.SetPageInputs(HeatLoadPageIndex, std::make_unique<THeatLoadPageLogic>(w));
        });
        // Focus moves, and with it the leaving of entries, only within the active window.
        QApplication::setActiveWindow(Window.get());
        Window->PageControl1->setCurrentIndex(HeatLoadPageIndex);
        Page = Window->HeatLoadPage;
    }

    // The example in metric units: 200 litres of 0.89 kg/dm³ from 20 °C to 50 °C, the time
    // typed last.
    void TypeExampleInMetricUnits() {
        Pick(Page->cbUnitOilVolumeHeatDissi, 0);
        Pick(Page->cbUnitDensitylHeatDissi, 0);
        Pick(Page->cbUnitStartTemplHeatDissi, 0);
        Pick(Page->cbUnitlEndTempHeatDissi, 0);
        Pick(Page->cbUnitlResultHeatDissi, 1);
        Type(Page->edValueOilVolumeHeatDissi, "200");
        Type(Page->edValueDensityHeatDissi, "0,89");
        Type(Page->edValueStartTempHeatDissi, "20");
        Type(Page->edValueEndTempHeatDissi, "50");
    }

    TScopedRegionalSettings Point{QLatin1Char('.')};
    std::unique_ptr<TfKylvane> Window;
    THeatLoadPage* Page = nullptr;
    TSelectionPageLogic* Selection = nullptr; // owned by the window
};

TEST_F(HeatLoadView, EnteringThePageShowsTheInstalledChoicesInTheirUnits) {
    EXPECT_EQ(Page->cbUnitOilVolumeHeatDissi->currentText(), "US gal");
    EXPECT_EQ(Page->cbUnitDensitylHeatDissi->currentText(), "lb/ft³");
    EXPECT_EQ(Page->edValueDensityHeatDissi->text(), "55.56");
    EXPECT_EQ(Page->cbUnitHeatCapacitivityHeatDissi->currentText(), "Btu/lb°F");
    EXPECT_EQ(Page->edValueHeatCapcitivityHeatDissi->text(), "0.5");
    EXPECT_EQ(Page->cbUnitStartTemplHeatDissi->currentText(), "°F");
    EXPECT_EQ(Page->cbUnitlResultHeatDissi->currentText(), "BTU/h");
    EXPECT_EQ(Page->edValueResultHeatDissi->text(), "0.00");
    EXPECT_EQ(Page->gbResultlHeatDissi->title(), "Required cooling capacity");
    EXPECT_TRUE(Recorded.Shown.isEmpty()) << Recorded.Texts().join(" | ").toStdString();
}

TEST_F(HeatLoadView, TheUserChangesOnlyWhatThePageLetsHimChange) {
    EXPECT_TRUE(Page->edValueHeatCapcitivityHeatDissi->isReadOnly());
    EXPECT_TRUE(Page->edValueResultHeatDissi->isReadOnly());
    EXPECT_FALSE(Page->edValueResultHeatDissi->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(Page->cbUnitTimeIntervalHeatDissi->count(), 1);
    EXPECT_EQ(Page->cbUnitTimeIntervalHeatDissi->currentText(), "min");
    EXPECT_TRUE(Page->bbtReset->text().isEmpty());
    EXPECT_FALSE(Page->bbtReset->icon().isNull());
}

TEST_F(HeatLoadView, CalculateReadsTheEntryBeingTypedAndHandsTheResultToTheSelectionPage) {
    TypeExampleInMetricUnits();
    QLineEdit* time = Page->edValueTimeIntervalHeatDissi;
    time->setFocus();
    ASSERT_TRUE(time->hasFocus());
    time->setText("30"); // not left: "Calculate" is pressed from the keyboard
    const QString requiredBefore = Window->SelectionPage->edHeatDissCoolerData->text();
    Page->btCalculateHeatDissi->click();

    EXPECT_EQ(Page->edValueResultHeatDissi->text(), "6.17");
    EXPECT_TRUE(Recorded.Shown.isEmpty()) << Recorded.Texts().join(" | ").toStdString();

    Pick(Page->cbUnitlResultHeatDissi, 0);
    EXPECT_EQ(Page->edValueResultHeatDissi->text(), "6171");
    // Taken when the selection page is entered, not behind its back.
    EXPECT_EQ(Window->SelectionPage->edHeatDissCoolerData->text(), requiredBefore);

    // The selection page takes the result in the result's unit, ready for "New".
    Window->PageControl1->setCurrentIndex(SelectionPageIndex);
    EXPECT_EQ(Window->SelectionPage->cbHeatDissCoolerData->currentText(), "W");
    EXPECT_EQ(Window->SelectionPage->edHeatDissCoolerData->text(), "6171");
    EXPECT_FLOAT_EQ(Selection->View.Controller().EnteredPoint().CoolingRequired, 6.171f);
}

TEST_F(HeatLoadView, OutOfRangeLeavesTheResultAndTheSelectionPageAlone) {
    Window->SelectionPage->edHeatDissCoolerData->setText("12");
    Page->btCalculateHeatDissi->click();
    EXPECT_EQ(Recorded.Texts(), QStringList{"Time interval Outside the range! (>0)"});
    EXPECT_EQ(Page->edValueResultHeatDissi->text(), "0.00");
    EXPECT_EQ(Window->SelectionPage->edHeatDissCoolerData->text(), "12");
}

TEST_F(HeatLoadView, UnreadableEntryShowsItsValueAndTakesTheFocusBack) {
    Pick(Page->cbUnitOilVolumeHeatDissi, 0);
    Type(Page->edValueOilVolumeHeatDissi, "200");
    Page->edValueEndTempHeatDissi->setFocus();
    Type(Page->edValueOilVolumeHeatDissi, "2OO");
    QCoreApplication::processEvents();
    EXPECT_EQ(Recorded.Texts(), QStringList{"Oil volume: 2OO ?"});
    EXPECT_EQ(Page->edValueOilVolumeHeatDissi->text(), "200");
    EXPECT_TRUE(Page->edValueOilVolumeHeatDissi->hasFocus());
}

TEST_F(HeatLoadView, ResetButtonKeepsTheUnitsAndShowsTheStartValues) {
    Type(Page->edValueStartTempHeatDissi, "68");
    Page->bbtReset->click();
    EXPECT_EQ(Page->cbUnitStartTemplHeatDissi->currentText(), "°F");
    EXPECT_EQ(Page->edValueStartTempHeatDissi->text(), "0.00");
    EXPECT_EQ(Page->edValueDensityHeatDissi->text(), "55.6");
    EXPECT_EQ(Page->edValueHeatCapcitivityHeatDissi->text(), "0.50");
}

TEST_F(HeatLoadView, TheMeasurementIsThereAgainAfterARestart) {
    Pick(Page->cbUnitStartTemplHeatDissi, 0);
    Type(Page->edValueOilVolumeHeatDissi, "52,84");
    Type(Page->edValueStartTempHeatDissi, "20,5");
    Window->PageControl1->setCurrentIndex(DimensionsPageIndex);

    Window.reset();
    Start();
    EXPECT_EQ(Page->cbUnitStartTemplHeatDissi->currentText(), "°C");
    EXPECT_EQ(Page->edValueStartTempHeatDissi->text(), "20.5");
    EXPECT_EQ(Page->edValueOilVolumeHeatDissi->text(), "52.84");
    EXPECT_TRUE(Recorded.Shown.isEmpty()) << Recorded.Texts().join(" | ").toStdString();
}

} // namespace
