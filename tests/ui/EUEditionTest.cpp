#include "tests/support/WindowTestSupport.h"

#include "ui/DimensionsPage.h"
#include "ui/LanguagePage.h"
#include "ui/SelectionPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

namespace {

TEST_F(WindowTest, EuropeanTitleNamesTheEditionAndTheVersion) {
    auto window = StartWindow();
    EXPECT_EQ(window->windowTitle(), "  European version  2.03");
}

TEST_F(WindowTest, EuropeanEditionOffersEveryLanguageButFinnish) {
    auto window = StartWindow();

    QStringList hidden;
    for (const TLanguageButton& entry : window->LanguagePage->Buttons())
        if (entry.Button->isHidden())
            hidden.append(entry.Button->objectName());
    EXPECT_EQ(hidden, QStringList{"rbFinnish"});
}

TEST_F(WindowTest, CheckishEmptiesTheTextsAndEnglishBringsThemBack) {
    auto window = StartWindow();
    ASSERT_FALSE(window->LanguagePage->rbCheckish->isHidden());

    window->LanguagePage->rbCheckish->click();

    EXPECT_EQ(TabCaptions(*window), QStringList(5, QString()));
    EXPECT_EQ(TopLevelCaptions(*window), (QStringList{"", ""}));
    EXPECT_EQ(Captions(window->mmFile), (QStringList{"", "", "", "-", "", "-", "", "-", ""}));
    EXPECT_EQ(Captions(window->mmAbout), (QStringList{"&Version", "-"}));
    EXPECT_EQ(window->SelectionPage->gbOutputCoolerData->title(), "");
    EXPECT_EQ(window->LanguagePage->rbCheckish->text(), "");

    window->LanguagePage->rbEnglish->click();

    EXPECT_EQ(TabCaptions(*window),
              (QStringList{"Start", "Cooler selection", "Capacity calculation", "Dimensions",
                           "Language"}));
    EXPECT_EQ(TopLevelCaptions(*window), (QStringList{"&File", "&About"}));
    EXPECT_EQ(window->LanguagePage->rbCheckish->text(), "Chechish");
}

TEST_F(WindowTest, EuropeanEditionShowsTheProtectionLineAndTheThreadNote) {
    auto window = StartWindow();

    EXPECT_FALSE(window->SelectionPage->lbProtectionStdCoolerText->isHidden());
    EXPECT_FALSE(window->SelectionPage->lbProtectionStdCoolerValue->isHidden());
    EXPECT_EQ(window->DimensionsPage->lbDimensionText1->text(), "Female threaded connection.");
}

} // namespace
