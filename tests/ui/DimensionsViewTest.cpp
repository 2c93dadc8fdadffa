#include "tests/support/WindowTestSupport.h"

#include "settings/RegRoutines.h"
#include "tests/support/DataFileEdits.h"
#include "ui/DimensionsPage.h"
#include "ui/DimensionsPageLogic.h"
#include "ui/MotorTablePrinter.h"
#include "ui/SelectionPage.h"
#include "ui/SelectionPageLogic.h"
#include "ui/VHMMotorData.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// The window with the logic of the selection and dimensions pages, as the program starts it,
// reading the data the build lays out (drawings and motor data included).
class DimensionsView : public WindowTest {
protected:
    void SetUp() override {
        Window = StartWindow([this](TfKylvane& w) {
            auto selection = std::make_unique<TSelectionPageLogic>(w);
            auto dimensions = std::make_unique<TDimensionsPageLogic>(w, selection->View);
            Dimensions = dimensions.get();
            w.SetPageInputs(DimensionsPageIndex, std::move(dimensions));
            w.SetSelectionPageHooks(std::move(selection));
        });
        Window->IniFilePath = QStringLiteral(AIRCOOLER_BUILD_DATA_DIR "/IniFiles/");
        Page = Window->DimensionsPage;
    }

    std::unique_ptr<TfKylvane> Window;
    TDimensionsPageLogic* Dimensions = nullptr;
    TDimensionsPage* Page = nullptr;
};

TEST_F(DimensionsView, EnteringThePageShowsTheStoredSeriesWithItsFirstModelsData) {
    Window->PageControl1->setCurrentIndex(DimensionsPageIndex);
    EXPECT_TRUE(Page->rbACCooler->isChecked());
    EXPECT_EQ(Page->cbDimension->count(), 12);
    EXPECT_EQ(Page->cbDimension->currentText(), "KVAM 100-A");
    // The US edition gives motor power in horsepower and weight in pounds.
    EXPECT_EQ(Page->lbEnginPower->text(), "Motor capacity  0.12 HP");
    EXPECT_EQ(Page->lbWeight->text(), "Weight  37 lb");
    EXPECT_FALSE(Page->btVhmMotorData->isVisibleTo(Page));
    EXPECT_TRUE(Recorded.Shown.isEmpty()) << Recorded.Texts().join('\n').toStdString();
}

TEST_F(DimensionsView, HydraulicMotorSeriesShowsItsButtonNotesAndFanPower) {
    Window->PageControl1->setCurrentIndex(DimensionsPageIndex);
    Window->TextVariables.VhmFreeSpaceText1Str = QStringLiteral("hydraulic note 1");
    Page->rbCoolerSystem->click();
    EXPECT_TRUE(Page->btVhmMotorData->isVisibleTo(Page));
    EXPECT_EQ(Page->lbDimensionText2->text(), "hydraulic note 1");
    EXPECT_EQ(Page->cbDimension->currentText(), "KVHM 200-1500 rpm");
    EXPECT_TRUE(Page->lbEnginPower->text().startsWith("Fan power required  "));

    Page->rbVCSCooler->click();
    EXPECT_FALSE(Page->btVhmMotorData->isVisibleTo(Page));
    EXPECT_EQ(Page->lbDimensionText2->text(), Window->TextVariables.FreeSpaceText1Str);
    EXPECT_EQ(Dimensions->View.Controller().SeriesListed(), VCS_Cooler);
}

TEST_F(DimensionsView, PickingAModelShowsItsData) {
    Window->PageControl1->setCurrentIndex(DimensionsPageIndex);
    Page->rbDCCooler->click();
    Page->cbDimension->setCurrentIndex(7);
    emit Page->cbDimension->activated(7);
    EXPECT_EQ(Page->lbWeight->text(), "Weight  49 lb");
}

TEST_F(DimensionsView, SelectionPagesSeriesGoesOverToTheDimensionsPageAndIsKept) {
    Window->PageControl1->setCurrentIndex(SelectionPageIndex);
    Window->SelectionPage->rbCSCoolerData->click();
    EXPECT_TRUE(Page->rbCoolerSystem->isChecked());
    EXPECT_EQ(Page->cbDimension->count(), 18);

    Window->PageControl1->setCurrentIndex(DimensionsPageIndex);
    EXPECT_TRUE(Page->rbCoolerSystem->isChecked());
    EXPECT_TRUE(Page->btVhmMotorData->isVisibleTo(Page));
    Page->cbDimension->setCurrentIndex(4);
    Window->PageControl1->setCurrentIndex(StartPageIndex);

    int32_t series = -1;
    int32_t model = -1;
    const TRegRoutines store(Window->StoreRoots());
    EXPECT_TRUE(store.GetRegInteger(series, "\\Page3", "CoolerType"));
    EXPECT_TRUE(store.GetRegInteger(model, "\\Page3", "CoolerTypeCombo"));
    EXPECT_EQ(series, Cooler_System);
    EXPECT_EQ(model, 4);
}

TEST_F(DimensionsView, MotorDataWindowShowsTheInstalledVariantsInTheEditionsUnits) {
    Window->PageControl1->setCurrentIndex(DimensionsPageIndex);
    Page->rbCoolerSystem->click();
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        auto* window = Window->findChild<TfVHMMotorData*>();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isModal());
        EXPECT_EQ(window->windowTitle(), "VHM Motor Data");
        const QTableWidget* grid = window->sgVhmMotorData;
        EXPECT_EQ(grid->width(), 733);
        const std::array<int, 8> widths{103, 73, 88, 81, 88, 88, 95, 51};
        for (int column = 0; column < 8; ++column)
            EXPECT_EQ(grid->columnWidth(column), widths[column]) << column;
        EXPECT_EQ(window->bbPrintMotorData->width(), 103);
        EXPECT_EQ(grid->item(1, 2)->text(), "[HP]");
        EXPECT_EQ(grid->item(1, 4)->text(), "[psi]");
        EXPECT_EQ(grid->item(1, 5)->text(), "[gpm]");
        // The heading rows stand still above the scrolling variants, in the grid's header.
        EXPECT_TRUE(grid->isRowHidden(0) && grid->isRowHidden(1));
        EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString(), "Fan power\n[HP]");
        EXPECT_EQ(grid->horizontalHeader()->palette().color(QPalette::Button),
                  QColor(0xE0, 0xE0, 0xE0));
        EXPECT_GT(grid->rowCount(), 2);
        EXPECT_EQ(grid->item(2, 0)->text(), "KVHM 200-1500");
        EXPECT_EQ(grid->item(3, 0)->text(), "");
        EXPECT_FALSE(window->lbMotorDataFault->isVisible());
        inspected = true;
        window->close();
    });
    Page->btVhmMotorData->click();
    EXPECT_TRUE(inspected);
}

// A motor data file that is not there is told in the window, where the table would stand.
TEST_F(DimensionsView, MotorDataWindowSaysWhatIsWrongWithItsFile) {
    QTemporaryDir dir;
    const QString path = dir.path() + QLatin1Char('/');
    ASSERT_TRUE(CopyDataFiles(QStringLiteral(AIRCOOLER_BUILD_DATA_DIR "/IniFiles"), path));
    ASSERT_TRUE(QFile::remove(path + "VDM_MD.INI"));
    Window->IniFilePath = path;
    Window->PageControl1->setCurrentIndex(DimensionsPageIndex);
    Page->rbCoolerSystem->click();
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        auto* window = Window->findChild<TfVHMMotorData*>();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->lbMotorDataFault->isVisible());
        EXPECT_EQ(window->lbMotorDataFault->text(), "file not found: " + path + "VDM_MD.INI");
        EXPECT_FALSE(window->sgVhmMotorData->isVisible());
        inspected = true;
        window->close();
    });
    Page->btVhmMotorData->click();
    EXPECT_TRUE(inspected);
    EXPECT_TRUE(Recorded.Shown.isEmpty()) << Recorded.Texts().join('\n').toStdString();
}

TEST_F(DimensionsView, PrintingWithoutADefaultPrinterSaysSoAndPrintsNothing) {
    // A print server that is not there has no printers, so there is no default one.
    qputenv("CUPS_SERVER", QByteArray(AIRCOOLER_BUILD_DATA_DIR "/no-such-cups.sock"));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    Window->PageControl1->setCurrentIndex(DimensionsPageIndex);
    Page->rbCoolerSystem->click();
    QTimer::singleShot(0, [&] {
        auto* window = Window->findChild<TfVHMMotorData*>();
        ASSERT_NE(window, nullptr);
        window->bbPrintMotorData->click();
        window->close();
    });
    Page->btVhmMotorData->click();
    EXPECT_EQ(Recorded.Texts(), QStringList{NoPrinterMessage});
}

} // namespace
