#include "tests/pages/selection/SelectionTestPage.h"

#include "engine/CoolerCatalogue.h"
#include "engine/ModelLists.h"
#include "engine/VerDep.h"
#include "pages/selection/SelectionTexts.h"
#include "units/NumericText.h"

#include <array>

namespace {

constexpr std::array<TModelRow, 3> RowsVAM{{
    {"KFIX S", "FIX_S"},
    {"KFIX M", "FIX_M"},
    {"KFIX L", "FIX_L"},
}};
constexpr std::array<TModelRow, 2> RowsVDM{{{"KDC A", "DC_A"}, {"KDC BROKEN", "DC_BROKEN"}}};
// The catalogue names carry a suffix after the speed that the section name drops.
constexpr std::array<TModelRow, 2> RowsVHM{{
    {"KVHM 400-1500", "VHM_400_1500_X"},
    {"KVHM 500-1500", "VHM_500_1500_X"},
}};
constexpr std::array<TModelRow, 3> RowsVCS{{
    {"KVCS A", "VCS_A"},
    {"KVCS B", "VCS_B"},
    {"KVCS C", "VCS_C"},
}};

} // namespace

void TFixtureModelLists::FillComboBoxDim(TCoolerType Series, const QString& RpmWord,
                                         QStringList& cbTypeCoolerData,
                                         QStringList& cbShadow) const {
    switch (Series) {
    case AC_Cooler:
        FillModelList(ModelListVAM, RowsVAM, RpmWord, cbTypeCoolerData, cbShadow);
        return;
    case DC_Cooler:
        FillModelList(ModelListVDM, RowsVDM, RpmWord, cbTypeCoolerData, cbShadow);
        return;
    case Cooler_System:
        FillModelList(ModelListVHM, RowsVHM, RpmWord, cbTypeCoolerData, cbShadow);
        return;
    default:
        FillModelList(ModelListVCS, RowsVCS, RpmWord, cbTypeCoolerData, cbShadow);
        return;
    }
}

QString TypedText(float value) {
    return FormatFixed(value, 10, 2);
}

SelectionPage::SelectionPage() {
    View.CatalogueDirectory = QStringLiteral(AIRCOOLER_TEST_DATA_DIR "/");
    Language.SetLanguageType(ENGLISH);
    View.Language = &Language;
    View.OnApplyLanguageTexts = [this] { ApplySelectionTexts(View); };
    View.ApplyLanguageTexts();
    Controller.InitialisePage();
    Controller.LoadFixedTempMode();
    PickSeries(AC_Cooler);
}

void SelectionPage::Type(TSelectionEntry entry, const QString& text) {
    TypeWithoutLeaving(entry, text);
    View.Focus.reset();
    Controller.EntryExit(entry);
}

void SelectionPage::TypeWithoutLeaving(TSelectionEntry entry, const QString& text) {
    View.SetEntryFocus(entry);
    View.SetEntryText(entry, text);
    Controller.EntryChange(entry);
}

void SelectionPage::PickSeries(TCoolerType series) {
    View.SetSelectedSeries(series);
    Controller.SeriesClick(series);
}

void SelectionPage::PickModel(int position) {
    View.SetListIndex(TSelectionList::Model, position);
    Controller.cbTypeCoolerDataChange();
}

void SelectionPage::PickUnit(TSelectionEntry entry, int unit) {
    View.SetListIndex(UnitListOf(entry), unit);
    Controller.UnitChange(entry);
}

void SelectionPage::TypeOperatingPoint(float flow, float maxOilTemp, float airTemp, float altitude,
                                       float heat) {
    Type(TSelectionEntry::OilFlow, TypedText(flow));
    Type(TSelectionEntry::MaxTemp, TypedText(maxOilTemp));
    Type(TSelectionEntry::AirTemp, TypedText(airTemp));
    Type(TSelectionEntry::Altitude, TypedText(altitude));
    Type(TSelectionEntry::HeatDiss, TypedText(heat));
}

QStringList SelectionPage::GridModels() const {
    QStringList models;
    for (qsizetype row = 1; row < View.GridRows.size(); ++row)
        models.append(View.GridRows[row].Cells[0]);
    return models;
}

ModelRecord SelectionPage::FixtureRecord(TCoolerType series, int position) const {
    return ReadModelRecord(TVerDep().ChangeToSectionName(Controller.ShadowList()[position], series),
                           QStringLiteral(AIRCOOLER_TEST_DATA_DIR "/"),
                           TVerDep().ChangeToCoolerIniFilename(series));
}
