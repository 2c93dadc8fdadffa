#include "tests/support/WindowTestSupport.h"

#include "texts/Language.h"
#include "ui/AboutBox.h"
#include "ui/LanguagePage.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

namespace {

TEST_F(WindowTest, AboutBoxShowsTheVersionWordOfTheLanguageAndItsOwnVersion) {
    auto window = StartWindow();
    window->LanguagePage->rbSpanish->click();

    window->AboutBox().PrepareToShow(*window->TheLanguage);

    const TAboutBox& box = window->AboutBox();
    EXPECT_EQ(box.lbAboutVersion->text(), "Versión 2.03");
    EXPECT_EQ(box.lbAboutProductName->text(), "Air Oil Cooler Software");
    EXPECT_EQ(box.windowTitle(), "");
    EXPECT_EQ(window->TheLanguage->GetLastLanguagePage(), AboutSec);
}

TEST_F(WindowTest, VersionMenuItemShowsTheAboutBoxUntilItIsClosed) {
    auto window = StartWindow();
    bool shownWhileOpen = false;
    QTimer::singleShot(0, window.get(), [&] {
        shownWhileOpen = window->AboutBox().isVisible();
        window->AboutBox().accept();
    });

    window->mmVersion->trigger();

    EXPECT_TRUE(shownWhileOpen);
    EXPECT_FALSE(window->AboutBox().isVisible());
    EXPECT_EQ(window->AboutBox().lbAboutVersion->text(), "Version 2.03");
}

} // namespace
