#include "tests/support/WindowTestSupport.h"

#include "settings/RegRoutines.h"
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

TEST_F(WindowTest, EuropeanEditionOffersEveryLanguageThatHasItsTexts) {
    auto window = StartWindow();

    QStringList hidden;
    for (const TLanguageButton& entry : window->LanguagePage->Buttons())
        if (entry.Button->isHidden())
            hidden.append(entry.Button->objectName());
    EXPECT_EQ(hidden, (QStringList{"rbFinnish", "rbCheckish"}));
}

// A language stored by an earlier version, or edited in, that has no texts would start a
// window without a single caption; it starts in English instead.
TEST_F(WindowTest, AStoredLanguageWithoutTextsStartsInEnglish) {
    auto window = StartWindow();
    for (const TLanguageType stored : {CHECKISH, FINNISH}) {
        SCOPED_TRACE(stored);
        ASSERT_TRUE(
            TRegRoutines(window->StoreRoots()).SetRegInteger(stored, "\\Page5", "Language"));

        window = RestartWindow(window);

        EXPECT_TRUE(window->LanguagePage->rbEnglish->isChecked());
        EXPECT_EQ(TabCaptions(*window),
                  (QStringList{"Start", "Cooler selection", "Capacity calculation", "Dimensions",
                               "Language"}));
        EXPECT_EQ(TopLevelCaptions(*window), (QStringList{"&File", "&About"}));
    }
}

TEST_F(WindowTest, EuropeanEditionShowsTheProtectionLineAndTheThreadNote) {
    auto window = StartWindow();

    EXPECT_FALSE(window->SelectionPage->lbProtectionStdCoolerText->isHidden());
    EXPECT_FALSE(window->SelectionPage->lbProtectionStdCoolerValue->isHidden());
    EXPECT_EQ(window->DimensionsPage->lbDimensionText1->text(), "Female threaded connection.");
}

} // namespace
