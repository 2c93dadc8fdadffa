#include "tests/support/WindowTestSupport.h"

#include "settings/RegRoutines.h"
#include "texts/Language.h"
#include "ui/LanguagePage.h"

#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>

namespace {

const QStringList SpanishTabs{"Inicio", "Selección del intercambiador", "Cálculo de la capacidad",
                              "Dimensiones", "Idioma"};

TEST_F(WindowTest, ChoosingSpanishMarksFreeLettersAndIsRememberedAtTheNextStart) {
    auto window = StartWindow();

    window->LanguagePage->rbSpanish->click();

    // The letters depend on the English captions the siblings still carry while each item
    // changes: "A" of "Archivo" is taken by "&About", so "r" is marked.
    EXPECT_EQ(TopLevelCaptions(*window), (QStringList{"A&rchivo", "&Acerca de"}));
    EXPECT_EQ(Captions(window->mmFile),
              (QStringList{"&Selección del intercambiador", "&Cálculo de la capacidad",
                           "&Dimensiones", "-", "&Idioma", "-", "I&mpresora", "-", "S&alir"}));
    EXPECT_EQ(TabCaptions(*window), SpanishTabs);
    int32_t stored = -1;
    EXPECT_TRUE(TRegRoutines(window->StoreRoots()).GetTextNo(stored));
    EXPECT_EQ(stored, SPANISH);

    window = RestartWindow(window);

    // Started from the window's first captions, then applied again when shown.
    EXPECT_TRUE(window->LanguagePage->rbSpanish->isChecked());
    EXPECT_EQ(TabCaptions(*window), SpanishTabs);
    EXPECT_EQ(TopLevelCaptions(*window), (QStringList{"&Archivo", "A&cerca de"}));
    EXPECT_EQ(Captions(window->mmFile),
              (QStringList{"S&elección del intercambiador", "&Cálculo de la capacidad",
                           "&Dimensiones", "-", "&Idioma", "-", "I&mpresora", "-", "&Salir"}));
    EXPECT_EQ(Captions(window->mmAbout), (QStringList{"&Version", "-"}));
}

TEST_F(WindowTest, EnteringTheLanguagePageSelectsALanguageStoredMeanwhile) {
    auto window = StartWindow();
    // Another instance of the program chose Spanish.
    ASSERT_TRUE(TRegRoutines(window->StoreRoots()).SetRegInteger(SPANISH, "\\Page5", "Language"));

    window->PageControl1->setCurrentIndex(LanguagePageIndex);

    EXPECT_TRUE(window->LanguagePage->rbSpanish->isChecked());
    EXPECT_EQ(TabCaptions(*window), SpanishTabs);
    EXPECT_EQ(window->TheLanguage->GetLastLanguagePage(), Page_5);
}

TEST_F(WindowTest, EnteringTheLanguagePageOnItsOwnLanguageLeavesItsEmptyPageLoaded) {
    auto window = StartWindow();

    window->PageControl1->setCurrentIndex(LanguagePageIndex);

    EXPECT_EQ(window->TheLanguage->GetLastLanguagePage(), Page_4);
    EXPECT_EQ(window->TheLanguage->GetTxt("1"), QString());
}

} // namespace
