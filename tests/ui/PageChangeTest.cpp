#include "tests/support/WindowTestSupport.h"

#include "texts/Language.h"
#include "ui/PageInputs.h"
#include "ui/SelectionPage.h"

#include <QAction>
#include <QTabWidget>
#include <QToolButton>

namespace {

// Logs what the page change asks of a page.
class RecordingInputs : public TPageInputs {
public:
    RecordingInputs(QStringList& Log, int Page) : Log(Log), Page(Page) {}
    void StoreInputs() override { Log.append(QStringLiteral("%1 store").arg(Page)); }
    void RestoreInputs() override { Log.append(QStringLiteral("%1 restore").arg(Page)); }

private:
    QStringList& Log;
    int Page;
};

class PageChange : public WindowTest {
protected:
    void SetUp() override {
        Window = StartWindow([this](TfKylvane& w) {
            for (int page : {HeatLoadPageIndex, DimensionsPageIndex})
                w.SetPageInputs(page, std::make_unique<RecordingInputs>(Log, page));
        });
    }

    QStringList Log;
    std::unique_ptr<TfKylvane> Window;
};

TEST_F(PageChange, StoresThePageLeftAndRestoresThePageEnteredWithItsTexts) {
    Window->PageControl1->setCurrentIndex(HeatLoadPageIndex);
    Window->PageControl1->setCurrentIndex(DimensionsPageIndex);

    EXPECT_EQ(Log, (QStringList{"2 restore", "2 store", "3 restore"}));
    EXPECT_EQ(Window->LastPageIndex, DimensionsPageIndex);
    EXPECT_EQ(Window->TheLanguage->GetLastLanguagePage(), Page_3);
}

TEST_F(PageChange, MenuItemRunsThePageChangeEvenOnThePageAlreadyShown) {
    Window->mmDimension->trigger();
    Window->mmDimension->trigger();

    EXPECT_EQ(Window->PageControl1->currentIndex(), DimensionsPageIndex);
    EXPECT_EQ(Log, (QStringList{"3 restore", "3 store", "3 restore"}));
}

TEST_F(PageChange, DisablesPrintingAndLoadsThePagesTexts) {
    Window->SetPrintEnabled(true);

    Window->mmCooler->trigger();

    EXPECT_FALSE(Window->mmPrint->isEnabled());
    EXPECT_FALSE(Window->SelectionPage->sbPrint->isEnabled());
    EXPECT_EQ(Window->TheLanguage->GetLastLanguagePage(), Page_1);
}

} // namespace
