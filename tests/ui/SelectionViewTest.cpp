#include "tests/support/WindowTestSupport.h"

#include "core/RegionalSettings.h"
#include "ui/SelectionDiagramChart.h"
#include "ui/SelectionDiagramPanel.h"
#include "ui/SelectionPage.h"
#include "ui/SelectionPageLogic.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QValueAxis>

namespace {

// The window with the selection page's logic, as the program starts it, showing page 1 with
// the installation's US choices: US gpm, °F, ft, Btu/hr and ISO VG 46.
class SelectionView : public WindowTest {
protected:
    void SetUp() override {
        Window = StartOnSelectionPage(Logic);
        Page = Window->SelectionPage;
    }

    void TypeOperatingPoint() {
        Type(Page->edOilflowCoolerData, "26,4"); // US gpm, 100 l/min
        Type(Page->edMaxTempCoolerData, "140");
        Type(Page->edAirTempCoolerData, "86");
        Type(Page->edAlittudeCoolerData, "0");
        Type(Page->edHeatDissCoolerData, "68240"); // Btu/hr, 20 kW
    }

    // How many pixels of the grid's cell have the colour.
    int Pixels(int row, int column, QRgb colour) const {
        QTableView* grid = Page->sgCoolerSamples;
        const QImage image = grid->viewport()->grab().toImage();
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        int count = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
        return count;
    }

    TScopedRegionalSettings Point{QLatin1Char('.')};
    std::unique_ptr<TfKylvane> Window;
    TSelectionPage* Page = nullptr;
    TSelectionPageLogic* Logic = nullptr; // owned by the window
};

TEST_F(SelectionView, EnteringThePageRestoresTheInstalledChoices) {
    EXPECT_TRUE(Page->rbACCoolerData->isChecked());
    EXPECT_EQ(Page->cbTypeCoolerData->count(), 12);
    EXPECT_EQ(Page->cbTypeCoolerData->currentText(), "KVAM 100-A");
    EXPECT_EQ(Page->cbOilflowCoolerData->currentText(), "US gpm");
    EXPECT_EQ(Page->cbOilCoolerData->currentText(), "ISO VG 46");
    EXPECT_EQ(Page->lbNoiseLevelCoolerText->text(), "LpA, 3 ft");
    EXPECT_FALSE(Page->lbProtectionStdCoolerValue->isVisibleTo(Page)); // the US edition
    EXPECT_TRUE(Recorded.Shown.isEmpty());
}

TEST_F(SelectionView, LeavingAnEntryReadsItInItsUnit) {
    Type(Page->edMaxTempCoolerData, "140,5");
    EXPECT_EQ(Page->edMaxTempCoolerData->text(), "140.5");
    EXPECT_FLOAT_EQ(Logic->View.Controller().EnteredPoint().MaxInletOilTemp, (140.5f - 32) / 1.8f);
    EXPECT_TRUE(Recorded.Shown.isEmpty());
}

TEST_F(SelectionView, UnreadableEntryTakesTheFocusBackWithoutAskingAgain) {
    // The user leaves one unreadable entry for another; putting the focus back into the first
    // leaves the second, which must not be read and complained about in turn.
    Page->edMaxTempCoolerData->setText("abc");
    Page->edAirTempCoolerData->setText("xyz");
    Page->edAirTempCoolerData->setFocus();
    ASSERT_TRUE(Page->edAirTempCoolerData->hasFocus());
    Leave(Page->edMaxTempCoolerData);
    QCoreApplication::processEvents();
    EXPECT_EQ(Recorded.Texts(), QStringList{"Max. inlet oil temp.: abc ?"});
    EXPECT_TRUE(Page->edMaxTempCoolerData->hasFocus());
}

TEST_F(SelectionView, NewListsTheCandidatesInTheGrid) {
    TypeOperatingPoint();
    Page->btCalcNewCooler->click();
    QTableView* grid = Page->sgCoolerSamples;
    ASSERT_TRUE(grid->isVisible()) << Recorded.Texts().join(" | ").toStdString();
    ASSERT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "Cooler type ");
    EXPECT_EQ(grid->model()->index(0, 0).data().toString(), "KVAM 350-B");
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(Page->cbTypeCoolerData->currentText(), "KVAM 350-B");
    EXPECT_EQ(Page->lbOilInletTempCoolerValue->text(),
              grid->model()->index(0, 2).data().toString());
    EXPECT_TRUE(Window->mmPrint->isEnabled());
    // The columns share the grid's width, the model's the widest.
    int columns = 0;
    for (int column = 0; column < SampleColumnCount; ++column) {
        EXPECT_GT(grid->columnWidth(column), 0) << column;
        EXPECT_LE(grid->columnWidth(column), grid->columnWidth(0)) << column;
        columns += grid->columnWidth(column);
    }
    EXPECT_LE(columns, grid->width());
    EXPECT_GE(columns, grid->width() * 98 / 100);
}

TEST_F(SelectionView, UndersizedCandidateIsDarkRedAndCrossHatchedRedWhenPicked) {
    TypeOperatingPoint();
    Page->btCalcNewCooler->click();
    QTableView* grid = Page->sgCoolerSamples;
    ASSERT_EQ(grid->model()->index(2, 0).data().toString(),
              "KVAM 300-B"); // the smaller neighbour falls short
    EXPECT_GT(Pixels(2, 0, 0xBE0000), 0);
    EXPECT_EQ(Pixels(2, 0, 0xFF0000), 0);
    EXPECT_EQ(Pixels(1, 0, 0xBE0000), 0);

    grid->setCurrentIndex(grid->model()->index(2, 0)); // as a click on the row
    EXPECT_EQ(Page->cbTypeCoolerData->currentText(), "KVAM 300-B");
    EXPECT_EQ(Page->lbOilInletTempCoolerValue->text(),
              grid->model()->index(2, 2).data().toString());
    const QRect cell = grid->visualRect(grid->model()->index(2, 0));
    EXPECT_GT(Pixels(2, 0, 0xFF0000), cell.width() * cell.height() / 4);
    EXPECT_GT(Pixels(2, 0, 0xBE0000), 0); // the hatch
    EXPECT_GT(Pixels(2, 0, 0xFFFFFF), 0); // the text
    EXPECT_EQ(grid->model()->rowCount(), 3);
}

TEST_F(SelectionView, CoolingSystemFillsInItsPumpFlow) {
    Page->rbVCSCoolerData->click();
    EXPECT_EQ(Page->cbTypeCoolerData->currentText(), "KVCS 150-D-A");
    EXPECT_EQ(Logic->View.Controller().EnteredPoint().OilFlow, 20);
    EXPECT_FALSE(Page->edOilflowCoolerData->isEnabled());
    Page->rbACCoolerData->click();
    EXPECT_TRUE(Page->edOilflowCoolerData->isEnabled());
}

TEST_F(SelectionView, AcceleratorCalculatesWithTheEntryBeingTyped) {
    TypeOperatingPoint();
    QLineEdit* heat = Page->edHeatDissCoolerData;
    heat->setFocus();
    ASSERT_TRUE(heat->hasFocus());
    heat->setText("85300"); // Btu/hr, 25 kW; the entry is not left

    QTest::keyClick(heat, Qt::Key_N, Qt::AltModifier);
    // The accelerator clicks the button a moment later, as a click shows it pressed.
    QTRY_VERIFY_WITH_TIMEOUT(Page->sgCoolerSamples->isVisible(), 2000);

    EXPECT_EQ(Page->cbTypeCoolerData->currentText(), "KVAM 400-B");
    EXPECT_EQ(heat->text(), "85300");
    EXPECT_NEAR(Logic->View.Controller().EnteredPoint().CoolingRequired, 25, 0.01);
    EXPECT_TRUE(Recorded.Shown.isEmpty()) << Recorded.Texts().join(" | ").toStdString();
}

// Every visible control of the page at least as large as it asks to be (or as its design
// allows: the disclaimer memo has a fixed height).
void ExpectWhole(const QWidget* page) {
    for (const QWidget* control : page->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(page) || control->objectName().isEmpty())
            continue;
        const QSize least = control->minimumSizeHint().boundedTo(control->maximumSize());
        EXPECT_GE(control->width(), least.width()) << control->objectName().toStdString();
        EXPECT_GE(control->height(), least.height()) << control->objectName().toStdString();
    }
}

TEST_F(SelectionView, WindowKeepsItsDesignedSizeAndPagesScrollOnSmallerScreens) {
    const QSize designed = TfKylvane::DesignedSize.boundedTo(Window->screen()->availableSize());
    EXPECT_EQ(Window->minimumSize(), designed);
    EXPECT_EQ(Window->size(), designed);
    QCoreApplication::processEvents();
    ExpectWhole(Page);

    // As on a screen of 640 x 480: the page scrolls, its controls keep their size.
    Window->setMinimumSize(0, 0);
    Window->resize(640, 480);
    QCoreApplication::processEvents();
    const auto* scroller = qobject_cast<QScrollArea*>(Window->PageControl1->currentWidget());
    ASSERT_NE(scroller, nullptr);
    EXPECT_TRUE(scroller->horizontalScrollBar()->isVisible());
    ExpectWhole(Page);
}

TEST_F(SelectionView, GridScrollsColumnsThatNoLongerFit) {
    Window->resize(1400, Window->height());
    QCoreApplication::processEvents();
    TypeOperatingPoint();
    Page->btCalcNewCooler->click();
    QTableView* grid = Page->sgCoolerSamples;
    ASSERT_TRUE(grid->isVisible());
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());

    Window->resize(Window->minimumSize());
    QCoreApplication::processEvents();
    EXPECT_TRUE(grid->horizontalScrollBar()->isVisible());
    // The scroll bar takes its own room: the three candidates stay in view.
    EXPECT_LE(grid->visualRect(grid->model()->index(2, 0)).bottom(), grid->viewport()->height());
}

TEST_F(SelectionView, DiagramAppearsBesideTheCandidatesAndFollowsThePicks) {
    TSelectionDiagramPanel* panel = Page->pnlSelectionDiagram;
    // The window starts without any chart; the first diagram makes one.
    EXPECT_EQ(panel->ChartView(), nullptr);
    EXPECT_TRUE(Window->findChildren<QChart*>().isEmpty());
    EXPECT_FALSE(panel->isVisible());

    TypeOperatingPoint();
    Page->btCalcNewCooler->click();
    QTableView* grid = Page->sgCoolerSamples;
    ASSERT_TRUE(panel->isVisible());
    ASSERT_TRUE(panel->ShownDiagram());
    EXPECT_EQ(panel->ShownDiagram()->Curves.size(), 3);
    EXPECT_EQ(Logic->ReportDiagram().size(), DiagramPictureSize) << "the report's picture";
    EXPECT_EQ(panel->y(), grid->y());
    EXPECT_GE(panel->x(), grid->x() + grid->width());
    auto seriesWidths = [panel] {
        QMap<QString, qreal> widths;
        for (QAbstractSeries* series : panel->ChartView()->chart()->series()) {
            const auto* line = qobject_cast<QLineSeries*>(series);
            widths[series->name()] = line ? line->pen().widthF() : 0;
        }
        return widths;
    };
    QMap<QString, qreal> widths = seriesWidths();
    ASSERT_EQ(widths.size(), 4) << widths.keys().join(", ").toStdString(); // and the point
    EXPECT_GT(widths["KVAM 350-B"], widths["KVAM 300-B"]);
    const QChart* chart = panel->ChartView()->chart();
    EXPECT_EQ(chart->axes(Qt::Horizontal).first()->titleText(), "Oil flow [US gpm]");
    EXPECT_EQ(chart->axes(Qt::Vertical).first()->titleText(), "Sp. heat dissipation [BTU/hr/°F]");
    // Ticks of 1000 BTU/hr/°F and of 20 US gpm are labelled without decimals.
    for (const Qt::Orientation side : {Qt::Horizontal, Qt::Vertical}) {
        const auto* axis = qobject_cast<const QValueAxis*>(chart->axes(side).first());
        ASSERT_NE(axis, nullptr);
        EXPECT_EQ(axis->labelFormat(), "%.0f");
    }

    grid->setCurrentIndex(grid->model()->index(2, 0)); // the undersized neighbour
    widths = seriesWidths();
    EXPECT_GT(widths["KVAM 300-B"], widths["KVAM 350-B"]);

    Type(Page->edHeatDissCoolerData, "70000");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(panel->ShownDiagram());
    EXPECT_TRUE(Logic->ReportDiagram().isNull());
}

TEST(SelectionDiagramPicture, RendersAtTheSizeAsked) {
    TSelectionDiagram diagram;
    diagram.FlowUnit = 1;
    diagram.HeatUnit = 1;
    diagram.OperatingPoint = TDiagramPoint{50, 0.5};
    diagram.Curves = {{"A", true, {{10, 0.3}, {50, 0.6}, {90, 0.7}}}, {"B", false, {{40, 0.4}}}};
    const QImage picture = RenderSelectionDiagram(diagram, QSize(640, 400));
    EXPECT_EQ(picture.size(), QSize(640, 400));
    // Something is drawn: not every pixel is the white background.
    const QRgb white = qRgb(255, 255, 255);
    int drawn = 0;
    for (int y = 0; y < picture.height(); y += 4)
        for (int x = 0; x < picture.width(); x += 4)
            drawn += picture.pixel(x, y) != white;
    EXPECT_GT(drawn, 100);
}

} // namespace
