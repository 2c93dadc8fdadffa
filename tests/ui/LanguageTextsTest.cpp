#include "tests/support/WindowTestSupport.h"

#include "settings/VersUnit.h"
#include "texts/Language.h"
#include "ui/DimensionsPage.h"
#include "ui/LanguagePage.h"
#include "ui/LanguageTexts.h"
#include "ui/SelectionPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

// A caption of the selection page that depends on the state when the texts are applied.
struct StateCaptionCase {
    const char* Name;
    void (*SetState)(TfKylvane&);
    QLabel* TSelectionPage::*Caption;
    QString Expected;
};

class StateCaption : public WindowTest, public ::testing::WithParamInterface<StateCaptionCase> {};

TEST_P(StateCaption, FollowsTheStateAtTheNextApplication) {
    auto window = StartWindow();

    GetParam().SetState(*window);
    ApplyLanguageTexts(*window);

    EXPECT_EQ((window->SelectionPage->*GetParam().Caption)->text(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    SelectionPage, StateCaption,
    ::testing::Values(
        StateCaptionCase{"HeatLineInFixedInletTemperatureMode",
                         [](TfKylvane& w) { w.SelectionPage->rbFixedTemp->setChecked(true); },
                         &TSelectionPage::lbHeatLoadCoolerText, "Heat dissipation"},
        StateCaptionCase{"HeatLineInFixedCoolingMode",
                         [](TfKylvane& w) { w.SelectionPage->rbFixedPower->setChecked(true); },
                         &TSelectionPage::lbHeatLoadCoolerText, "Sp. heat dissipation"},
        StateCaptionCase{
            "NoiseLineWithAltitudeInFeet",
            [](TfKylvane& w) { w.SelectionPage->cbAlittudeCoolerData->setCurrentIndex(1); },
            &TSelectionPage::lbNoiseLevelCoolerText, "LpA, 3 ft"},
        StateCaptionCase{
            "NoiseLineWithAltitudeInMetres",
            [](TfKylvane& w) { w.SelectionPage->cbAlittudeCoolerData->setCurrentIndex(0); },
            &TSelectionPage::lbNoiseLevelCoolerText, "LpA, 1 m"},
        StateCaptionCase{"MotorLineOfTheHydraulicMotorSeries",
                         [](TfKylvane& w) { w.SelectionPage->rbCSCoolerData->setChecked(true); },
                         &TSelectionPage::lbMotorCapacityCoolerText, "Fan power required"},
        StateCaptionCase{"MotorLineOfTheCoolingSystemSeries",
                         [](TfKylvane& w) { w.SelectionPage->rbVCSCoolerData->setChecked(true); },
                         &TSelectionPage::lbMotorCapacityCoolerText, "Motor capacity"},
        // The dimensions page shows a series of its own; the selection page keeps to its own.
        StateCaptionCase{"MotorLineFollowsThePageNotTheDimensionsPage",
                         [](TfKylvane& w) {
                             w.SelectionPage->rbACCoolerData->setChecked(true);
                             w.DimensionsPage->rbCoolerSystem->setChecked(true);
                         },
                         &TSelectionPage::lbMotorCapacityCoolerText, "Motor capacity"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(WindowTest, TextVariablesTakeTheirKeys) {
    auto window = StartWindow();

    const TWindowTextVariables& texts = window->TextVariables;
    EXPECT_EQ(texts.AlterationsNoteStr, "Subject to technical alterations.");
    EXPECT_EQ(texts.RpmTextStr, "rpm");
    EXPECT_EQ(texts.OutOfRangeStr, "Outside the range!");
    EXPECT_EQ(texts.ThousandsReadingsStr, "Write %1 or %2");
    EXPECT_EQ(texts.FreeSpaceText2Str, "in front of and behind the cooler.");
    EXPECT_EQ(texts.FanPowerTextStr.str(), "Fan power required");
    EXPECT_EQ(texts.MotorCapacityCoolerTextStr.str(), "Motor capacity");
    EXPECT_EQ(texts.ProtectionStdCoolerTextStr, "Protection standard, motor");
    EXPECT_EQ(texts.FixWeightStr.str(), "Weight");
    EXPECT_EQ(texts.FixOilVolumeStr.str(), "Oil volume");
    EXPECT_EQ(texts.DxfInfoStr.front(), "The dxf-files contain dimensioned drawings of coolers.");
    EXPECT_EQ(texts.DxfInfoStr.back(), "");
    EXPECT_EQ(window->VersUnit->GetVersion(), "Version 2.03");
    // The language page's texts are applied last and stay loaded.
    EXPECT_EQ(window->TheLanguage->GetLastLanguagePage(), Page_5);
}

// The entries of every page word the two readings of a number in the language chosen last.
TEST_F(WindowTest, TheReadingsOfANumberAreWordedInTheChosenLanguage) {
    auto window = StartWindow();

    window->LanguagePage->rbSpanish->click();
    EXPECT_EQ(window->TextVariables.ThousandsReadingsStr, "Introduzca %1 o %2");
    window->LanguagePage->rbEnglish->click();
    EXPECT_EQ(window->TextVariables.ThousandsReadingsStr, "Write %1 or %2");
}

TEST_F(WindowTest, GermanLeavesTheModeCaptionsEmpty) {
    auto window = StartWindow();

    window->LanguagePage->rbDeutsch->click();

    const TSelectionPage& page = *window->SelectionPage;
    EXPECT_EQ(page.gbMode->title(), "");
    EXPECT_EQ(page.rbFixedTemp->text(), "");
    EXPECT_EQ(page.rbFixedPower->text(), "");
    EXPECT_EQ(page.gbOutputCoolerData->title(), "Berechnete Daten");
}

} // namespace
