#include "tests/support/WindowTestSupport.h"

#include "ui/DimensionsPage.h"
#include "ui/LanguagePage.h"
#include "ui/SelectionPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

TEST_F(WindowTest, USTitleNamesTheEditionAndTheVersion) {
    auto window = StartWindow();
    EXPECT_EQ(window->windowTitle(), "  U.S. Version  2.03");
}

TEST_F(WindowTest, USEditionOffersEnglishAndSpanishInItsOwnGroupLayout) {
    auto window = StartWindow();

    const TLanguagePage& page = *window->LanguagePage;
    QStringList offered;
    for (const TLanguageButton& entry : page.Buttons())
        if (!entry.Button->isHidden())
            offered.append(entry.Button->objectName());
    EXPECT_EQ(offered, (QStringList{"rbEnglish", "rbSpanish"}));
    EXPECT_EQ(page.gbLanguage->geometry().topLeft(), QPoint(232, 258));
    EXPECT_EQ(page.gbLanguage->width(), 441);
    EXPECT_EQ(page.rbEnglish->geometry().topLeft(), QPoint(32, 40));
    EXPECT_EQ(page.rbSpanish->geometry().topLeft(), QPoint(256, 40));
    EXPECT_EQ(page.rbSpanish->width(), 161);
}

TEST_F(WindowTest, USEditionHidesTheProtectionLineAndTheThreadNote) {
    auto window = StartWindow();
    window->LanguagePage->rbSpanish->click();

    EXPECT_TRUE(window->SelectionPage->lbProtectionStdCoolerText->isHidden());
    EXPECT_TRUE(window->SelectionPage->lbProtectionStdCoolerValue->isHidden());
    EXPECT_EQ(window->DimensionsPage->lbDimensionText1->text(), "");
    EXPECT_EQ(window->DimensionsPage->gbDimensionData->title(), "Datos técnicos");
}

} // namespace
