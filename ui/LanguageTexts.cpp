#include "ui/LanguageTexts.h"

#include "pages/dimensions/DimensionsTextKeys.h"
#include "pages/heatload/HeatLoadTextKeys.h"
#include "pages/selection/SelectionTextKeys.h"
#include "settings/VersUnit.h"
#include "texts/Language.h"
#include "ui/DimensionsPage.h"
#include "ui/HeatLoadPage.h"
#include "ui/LanguagePage.h"
#include "ui/MainWindow.h"
#include "ui/MenuCaptions.h"
#include "ui/SelectionPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <array>

namespace {

// The main menu's top level holds File and About; accelerators are chosen among these two.
constexpr int TopLevelItems = 2;

// Positions of the File menu's items, separators counted.
enum TFileMenuItem : int {
    CoolerItem = 0,
    PowerItem = 1,
    DimensionItem = 2,
    LanguageItem = 4,
    PrintItem = 6,
    ExitItem = 8
};

void ApplyMainGroupTexts(TfKylvane& W, TLanguage& L) {
    L.NewPageText(MainGroup);
    SetMainMenuCaptionWithHotkey(L.GetTxt("1"), W.mmKylvane, TopLevelItems, 0);
    W.PageControl1->setTabText(StartPageIndex, L.GetTxt("10"));
    W.PageControl1->setTabText(SelectionPageIndex, L.GetTxt("2"));
    SetMenuCaptionWithHotkey(L.GetTxt("2"), W.mmFile, CoolerItem);
    W.PageControl1->setTabText(HeatLoadPageIndex, L.GetTxt("3"));
    SetMenuCaptionWithHotkey(L.GetTxt("3"), W.mmFile, PowerItem);
    W.PageControl1->setTabText(DimensionsPageIndex, L.GetTxt("4"));
    SetMenuCaptionWithHotkey(L.GetTxt("4"), W.mmFile, DimensionItem);
    W.PageControl1->setTabText(LanguagePageIndex, L.GetTxt("6"));
    SetMenuCaptionWithHotkey(L.GetTxt("6"), W.mmFile, LanguageItem);
    SetMenuCaptionWithHotkey(L.GetTxt("7"), W.mmFile, PrintItem);
    SetMenuCaptionWithHotkey(L.GetTxt("8"), W.mmFile, ExitItem);

    W.TextVariables.AlterationsNoteStr = L.GetTxt(SelectionTextKey::AlterationsNote);
    W.TextVariables.RpmTextStr =
        L.GetTxt(SelectionTextKey::RpmText).left(SelectionTextKey::RpmTextLength);
    W.TextVariables.ThousandsReadingsStr = L.GetTxt(SelectionTextKey::ThousandsReadings);
    W.VersUnit->SetMianGroupVersion(L.GetTxt(DimensionsTextKey::VersionWord));

    const TSelectionPage& s = *W.SelectionPage;
    s.gbMode->setTitle(L.GetTxt(SelectionTextKey::Mode));
    s.rbFixedTemp->setText(L.GetTxt(SelectionTextKey::FixedTemp));
    s.rbFixedPower->setText(L.GetTxt(SelectionTextKey::FixedPower));
    SetMainMenuCaptionWithHotkey(L.GetTxt("11"), W.mmKylvane, TopLevelItems, 1);
}

void ApplySelectionPageTexts(TfKylvane& W, TLanguage& L) {
    using namespace SelectionTextKey;
    L.NewPageText(Page_1);
    TWindowTextVariables& texts = W.TextVariables;
    const TSelectionPage& s = *W.SelectionPage;
    const auto title = [&](QGroupBox* group, TSelectionGroup caption) {
        group->setTitle(L.GetTxt(GroupCaptionKey(caption)));
    };
    title(s.gbCoolerdata, TSelectionGroup::CoolerData);
    s.rbACCoolerData->setText(L.GetTxt(SeriesAC));
    s.rbDCCoolerData->setText(L.GetTxt(SeriesDC));
    s.rbCSCoolerData->setText(L.GetTxt(SeriesHydraulic));
    s.rbVCSCoolerData->setText(L.GetTxt(SeriesSystem));
    title(s.gbOilType, TSelectionGroup::OilType);
    texts.OutOfRangeStr = L.GetTxt(OutOfRange);
    title(s.gbOilflowCoolerData, TSelectionGroup::OilFlow);
    title(s.gbMaxTempCoolerData, TSelectionGroup::MaxTemp);
    title(s.gbAirTempCoolerData, TSelectionGroup::AirTemp);
    title(s.gbAlittudeCoolerData, TSelectionGroup::Altitude);
    title(s.gbcbHeatDissCoolerData, TSelectionGroup::HeatDiss);
    title(s.gbOutputCoolerData, TSelectionGroup::Output);
    s.lbOilInletTempCoolerText->setText(L.GetTxt(OilInletTemp));
    s.lbOilOutletTempCoolerText->setText(L.GetTxt(OilOutletTemp));
    s.lbAirOutletTempCoolerText->setText(L.GetTxt(AirOutletTemp));
    s.lbHeatLoadCoolerText->setText(L.GetTxt(HeatLoadCaptionKey(s.rbFixedTemp->isChecked())));
    s.lbOilPressureCoolerText->setText(L.GetTxt(OilPressure));
    s.lbAirFlowCoolerText->setText(L.GetTxt(AirFlow));
    texts.MotorCapacityCoolerTextStr = L.GetTxt(MotorCapacity);
    texts.PowerCapacityCoolerTextStr = L.GetTxt(PowerCapacity);
    // The page's own series: the dimensions page may show another.
    s.lbMotorCapacityCoolerText->setText(s.rbCSCoolerData->isChecked()
                                             ? texts.PowerCapacityCoolerTextStr.str()
                                             : texts.MotorCapacityCoolerTextStr.str());
    s.lbNoiseLevelCoolerText->setText(
        L.GetTxt(NoiseCaptionKey(s.cbAlittudeCoolerData->currentIndex() != 0)));
    texts.ProtectionStdCoolerTextStr = L.GetTxt(ProtectionStd);
    s.btCalcSelectedCooler->setText(L.GetTxt(CalcSelected));
    s.btCalcNewCooler->setText(L.GetTxt(CalcNew));
}

void ApplyHeatLoadPageTexts(TfKylvane& W, TLanguage& L) {
    using namespace HeatLoadTextKey;
    L.NewPageText(Page_2);
    const THeatLoadPage& h = *W.HeatLoadPage;
    h.gbTextFrameHeatDissi->setTitle(L.GetTxt(Description));
    const std::array<QLabel*, DescriptionLines.size()> lines{
        h.lbFreeTextHeatDissi1, h.lbFreeTextHeatDissi2, h.lbFreeTextHeatDissi3,
        h.lbFreeTextHeatDissi4, h.lbFreeTextHeatDissi5, h.lbFreeTextHeatDissi6};
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i]->setText(L.GetTxt(DescriptionLines[i]));
    const auto title = [&](QGroupBox* group, THeatLoadEntry entry) {
        group->setTitle(L.GetTxt(HeatLoadGroupKey(entry)));
    };
    title(h.gbOilVolumeHeatDissi, THeatLoadEntry::OilVolume);
    title(h.gbDensityHeatDissi, THeatLoadEntry::Density);
    title(h.gbHeatCapacitivityHeatDissi, THeatLoadEntry::HeatCapa);
    title(h.gbStartTempHeatDissi, THeatLoadEntry::StartTemp);
    title(h.gbEndTempHeatDissi, THeatLoadEntry::EndTemp);
    title(h.gbTimeIntervalHeatDissi, THeatLoadEntry::TimeInterval);
    title(h.gbResultlHeatDissi, THeatLoadEntry::Result);
    h.btCalculateHeatDissi->setText(L.GetTxt(Calculate));
}

void ApplyDimensionPageTexts(TfKylvane& W, TLanguage& L) {
    using namespace DimensionsTextKey;
    L.NewPageText(Page_3);
    TWindowTextVariables& texts = W.TextVariables;
    const TDimensionsPage& d = *W.DimensionsPage;
    d.gbDimensionChoice->setTitle(L.GetTxt(DimensionChoice));
    d.rbACCooler->setText(L.GetTxt(SeriesAC));
    d.rbDCCooler->setText(L.GetTxt(SeriesDC));
    d.rbCoolerSystem->setText(L.GetTxt(SeriesHydraulic));
    d.rbVCSCooler->setText(L.GetTxt(SeriesSystem));
    d.btCodeKey->setText(L.GetTxt(CodeKey));
    d.btPdfFile->setText(L.GetTxt(Drawing));
    d.gbDimensionData->setTitle(L.GetTxt(DimensionData));

    texts.FixMotorCapacityStr = L.GetTxt(FixMotorCapacity);
    texts.FixWeightStr = L.GetTxt(FixWeight);
    texts.FixCoolAreaStr = L.GetTxt(FixCoolArea);
    texts.FixOilVolumeStr = L.GetTxt(FixOilVolume);
    // The thread note belongs to the European catalogue only.
    d.lbDimensionText1->setText(W.Edition() == TEdition::US ? QString() : L.GetTxt(ThreadNote));
    d.lbDimensionText2->setText(L.GetTxt(FreeSpaceText1));
    d.lbDimensionText3->setText(L.GetTxt(FreeSpaceText2));
    texts.FreeSpaceText1Str = L.GetTxt(FreeSpaceText1);
    texts.FreeSpaceText2Str = L.GetTxt(FreeSpaceText2);
    texts.FanPowerTextStr = L.GetTxt(FanPowerText);
    texts.VhmFreeSpaceText1Str = L.GetTxt(VhmFreeSpaceText1);
    texts.VhmFreeSpaceText2Str = L.GetTxt(VhmFreeSpaceText2);
    d.btVhmMotorData->setText(L.GetTxt(VhmMotorData));
    for (int i = 0; i < int(texts.DxfInfoStr.size()); ++i)
        texts.DxfInfoStr[i] = L.GetTxt(QString::number(FirstDxfInfo + i));
}

void ApplyLanguagePageTexts(TfKylvane& W, TLanguage& L) {
    L.NewPageText(Page_5);
    TLanguagePage& page = *W.LanguagePage;
    page.gbLanguage->setTitle(L.GetTxt("1"));
    int key = 2;
    for (const TLanguageButton& entry : page.Buttons())
        entry.Button->setText(L.GetTxt(QString::number(key++)));
}

} // namespace

void ApplyLanguageTexts(TfKylvane& Window) {
    if (!Window.TheLanguage)
        return;
    TLanguage& store = *Window.TheLanguage;
    ApplyMainGroupTexts(Window, store);
    ApplySelectionPageTexts(Window, store);
    ApplyHeatLoadPageTexts(Window, store);
    ApplyDimensionPageTexts(Window, store);
    ApplyLanguagePageTexts(Window, store);
}
