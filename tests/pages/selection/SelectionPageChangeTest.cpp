#include "tests/pages/selection/SelectionTestPage.h"

#include "units/Units.h"

namespace {

using E = TSelectionEntry;
using L = TResultLine;

int32_t Stored(const TSelectionSettings& settings, const QString& key, const QString& value) {
    int32_t stored = -99;
    settings.GetRegInteger(stored, key, value);
    return stored;
}

TEST_F(SelectionPage, LeavingThePageStoresItsChoices) {
    PickSeries(Cooler_System);
    PickModel(1);
    View.SetListIndex(TSelectionList::Oil, 2);
    PickUnit(E::OilFlow, Ord(TFlow::USgal_min));
    PickUnit(E::MaxTemp, Ord(TTemp::F));
    PickUnit(E::Altitude, Ord(TLength::ft));
    PickUnit(E::HeatDiss, Ord(THeatDissi::BTU_hr));
    Controller.StoreInputs();

    for (const QString& key : {Page1Key, Page3Key}) {
        EXPECT_EQ(Stored(Settings, key, "CoolerType"), Cooler_System) << key.toStdString();
        EXPECT_EQ(Stored(Settings, key, "CoolerTypeCombo"), 1) << key.toStdString();
    }
    EXPECT_EQ(Stored(Settings, Page1Key, "OilTypeCombo"), 2);
    EXPECT_EQ(Stored(Settings, Page1Key, "OilflowCombo"), Ord(TFlow::USgal_min));
    EXPECT_EQ(Stored(Settings, Page1Key, "MaxTempCombo"), Ord(TTemp::F));
    EXPECT_EQ(Stored(Settings, Page1Key, "AirTempCombo"), Ord(TTemp::C));
    EXPECT_EQ(Stored(Settings, Page1Key, "AltitudeCombo"), Ord(TLength::ft));
    EXPECT_EQ(Stored(Settings, Page1Key, "HeatDissCombo"), Ord(THeatDissi::BTU_hr));
}

TEST_F(SelectionPage, EnteringThePageRestoresTheChoicesWithinTheirLists) {
    TypeOperatingPoint(100, 60, 20, 500, 25);
    const struct {
        const char* Value;
        int32_t Stored;
    } stored[] = {{"OilTypeCombo", 12},  {"OilflowCombo", -3}, {"MaxTempCombo", 1},
                  {"AltitudeCombo", 1},  {"HeatDissCombo", 7}, {"CoolerType", 0},
                  {"CoolerTypeCombo", 2}};
    for (const auto& value : stored)
        Settings.SetRegInteger(value.Stored, Page1Key, value.Value);
    Controller.RestoreInputs(3, 0);

    EXPECT_EQ(View.ListIndex(TSelectionList::Oil), 9);
    EXPECT_EQ(View.ListIndex(TSelectionList::OilFlowUnit), Ord(TFlow::m3_h));
    EXPECT_EQ(Entry(E::OilFlow), "6.00");
    EXPECT_EQ(Entry(E::MaxTemp), "140");
    EXPECT_EQ(View.ListIndex(TSelectionList::AirTempUnit), Ord(TTemp::C)); // not stored
    EXPECT_EQ(View.ResultCaption(L::NoiseLevel), "LpA, 3 ft");
    EXPECT_EQ(View.ListIndex(TSelectionList::HeatDissUnit), Ord(THeatDissi::HP));
    EXPECT_EQ(View.ListIndex(TSelectionList::Model), 2); // the same series: its model
    EXPECT_EQ(EngineState().InOilFlow, 100);
    EXPECT_EQ(EngineState().InMaxOilTemp, 60);
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

TEST_F(SelectionPage, EnteringWithAnotherStoredSeriesStartsAtItsFirstModel) {
    // Only the low byte of the stored series counts: 258 is the hydraulic-motor series.
    const struct {
        int32_t Stored;
        TCoolerType Series;
    } cases[] = {{258, Cooler_System}, {7, AC_Cooler}, {3, VCS_Cooler}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Stored);
        PickSeries(DC_Cooler);
        Settings.SetRegInteger(c.Stored, Page1Key, "CoolerType");
        Settings.SetRegInteger(1, Page1Key, "CoolerTypeCombo");
        Controller.RestoreInputs(0, 0);
        EXPECT_EQ(View.SelectedSeries(), c.Series);
        EXPECT_EQ(EngineState().CurrentCoolerType, c.Series);
        EXPECT_EQ(View.ListIndex(TSelectionList::Model), 0);
        EXPECT_EQ(Stored(Settings, Page1Key, "CoolerTypeCombo"), 0);
    }
}

TEST_F(SelectionPage, EnteringFromTheHeatLoadPageTakesItsResultInItsUnit) {
    TypeOperatingPoint(40, 60, 20, 500, 25);
    // The heat-load page has written its result, 6171 W, into the required cooling.
    View.SetEntryText(E::HeatDiss, "6171");
    Controller.EntryChange(E::HeatDiss);
    Controller.StoreInputs();
    Controller.RestoreInputs(TSelectionController::HeatLoadPageIndex, Ord(THeatDissi::W));
    EXPECT_EQ(View.ListIndex(TSelectionList::HeatDissUnit), Ord(THeatDissi::W));
    EXPECT_EQ(Entry(E::HeatDiss), "6171");
    EXPECT_FLOAT_EQ(EngineState().InHeatDissi, 6.171f);
}

TEST_F(SelectionPage, EnteringWithCandidatesShownChoosesAgainInTheCurrentLanguage) {
    TypeOperatingPoint(60, 60, 20, 500, 25);
    Controller.btCalcNewCoolerClick();
    Controller.StoreInputs();
    Language.SetLanguageType(SPANISH); // chosen on the language page
    View.ApplyLanguageTexts();
    Controller.RestoreInputs(4, 0);
    ASSERT_TRUE(View.GridShown);
    EXPECT_EQ(View.GridRows[0].Cells[0], "Tipo de intercambiador ");
    EXPECT_EQ(GridModels(), (QStringList{"KFIX M", "KFIX L", "KFIX S"}));
    EXPECT_TRUE(Controller.PrintingEnabled());
}

TEST_F(SelectionPage, StoredModeCountsOnlyWhileTheModeCanBeChosen) {
    const struct {
        bool Visible;
        std::optional<int32_t> Stored;
        bool FixedInletTemp;
    } cases[] = {{false, 1, false}, {true, 1, true}, {true, 0, false}, {true, std::nullopt, false}};
    for (const auto& c : cases) {
        TMemorySelectionSettings settings;
        if (c.Stored)
            settings.SetRegInteger(*c.Stored, Page1Key, "FixedTempMode");
        View.ModeGroupShown = c.Visible;
        TSelectionController controller(View, settings, Models);
        controller.LoadFixedTempMode();
        EXPECT_EQ(EngineState().FixedInletTempFLG, c.FixedInletTemp);
        EXPECT_EQ(View.FixedTempSelected, c.FixedInletTemp);
    }
}

TEST_F(SelectionPage, PickedModeIsStored) {
    Controller.rbFixedTempClick();
    EXPECT_EQ(Stored(Settings, Page1Key, "FixedTempMode"), 1);
    Controller.rbFixedPowerClick();
    EXPECT_EQ(Stored(Settings, Page1Key, "FixedTempMode"), 0);
    EXPECT_FALSE(EngineState().FixedInletTempFLG);
}

// A page that records which series the dimensions page was asked to show.
class TDimensionsRecordingView : public THeadlessSelectionView {
public:
    void ShowDimensionSeries(TCoolerType series) override { Dimensions.append(series); }
    QList<TCoolerType> Dimensions;
};

TEST(SelectionModelList, FollowsTheStoredPositionWithinTheSeries) {
    ResetEngineState();
    EngineState().AlterationsNoteStr = "Subject to technical alterations.";
    TDimensionsRecordingView view;
    TMemorySelectionSettings settings;
    TFixtureModelLists models;
    TSelectionController controller(view, settings, models);

    const struct {
        TCoolerType Series;
        int32_t Stored;
        int Picked;
    } cases[] = {{AC_Cooler, 30, 2}, {AC_Cooler, -4, 0}, {VCS_Cooler, 1, 1}, {DC_Cooler, 1, 1}};
    for (const auto& c : cases) {
        settings.SetRegInteger(c.Stored, Page1Key, "CoolerTypeCombo");
        controller.FillSelectionModelList(c.Series);
        EXPECT_EQ(view.ListIndex(TSelectionList::Model), c.Picked) << c.Stored;
        EXPECT_EQ(view.Dimensions.last(), c.Series);
        EXPECT_EQ(EngineState().CurrentCoolerType, c.Series);
        EXPECT_EQ(controller.ShadowList().size(), view.ListItems(TSelectionList::Model).size());
    }
    EXPECT_EQ(view.DisclaimerText, "Subject to technical alterations.");
    EXPECT_FALSE(view.PrintEnabled);
}

TEST_F(SelectionPage, PickingASeriesForgetsTheStoredModel) {
    Settings.SetRegInteger(2, Page1Key, "CoolerTypeCombo");
    PickSeries(VCS_Cooler);
    EXPECT_EQ(Stored(Settings, Page1Key, "CoolerTypeCombo"), 0);
    EXPECT_EQ(View.ListIndex(TSelectionList::Model), 0);
}

} // namespace
