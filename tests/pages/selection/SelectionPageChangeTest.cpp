#include "tests/pages/selection/SelectionTestPage.h"

#include "pages/printsetup/HeadlessPrintSetupView.h"
#include "pages/printsetup/PrintCommand.h"
#include "pages/printsetup/PrintSetupController.h"
#include "pages/selection/SelectionTexts.h"
#include "units/Units.h"

namespace {

using E = TSelectionEntry;
using L = TResultLine;

int32_t Stored(const TStoredValues& settings, const QString& key, const QString& value) {
    int32_t stored = -99;
    settings.GetRegInteger(stored, key, value);
    return stored;
}

// What the page shows of a sizing: the result panel, the grid and the picked row.
struct TShownResults {
    QStringList Values;
    QList<TSampleRow> Grid;
    int PickedRow;
    bool Printing;

    bool operator==(const TShownResults&) const = default;
};

class SelectionPageChange : public SelectionPage {
protected:
    SelectionPageChange() {
        // The page as the window starts it: entered once, before the user works on it.
        Controller.RestoreInputs();
    }

    TShownResults Results() const {
        QStringList values;
        for (int line = 0; line < ResultLineCount; ++line)
            values.append(View.ResultValue(static_cast<L>(line)));
        return {values, View.GridShown ? View.GridRows : QList<TSampleRow>{}, View.SelectedGridRow,
                Controller.PrintingEnabled()};
    }
};

TEST_F(SelectionPageChange, LeavingThePageStoresItsChoicesAndEntries) {
    PickSeries(Cooler_System);
    PickModel(1);
    View.SetListIndex(TSelectionList::Oil, 2);
    TypeOperatingPoint(100, 60, 20, 500, 25);
    PickUnit(E::OilFlow, Ord(TFlow::USgal_min));
    PickUnit(E::MaxTemp, Ord(TTemp::F));
    PickUnit(E::Altitude, Ord(TLength::ft));
    PickUnit(E::HeatDiss, Ord(THeatDissi::BTU_hr));
    // Stored with a point whatever the regional decimal separator; a text being typed counts.
    const TScopedRegionalSettings comma(QLatin1Char(','));
    TypeWithoutLeaving(E::AirTemp, "20,5");
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
    const struct {
        const char* Value;
        const char* Stored;
    } numbers[] = {{"OilflowData", "26.4"},
                   {"MaxTempData", "140"},
                   {"AirTempData", "20.5"},
                   {"AltitudeData", "1640"},
                   {"HeatDissData", "85300"}};
    for (const auto& number : numbers)
        EXPECT_EQ(Settings.GetRegString(Page1Key, number.Value), number.Stored) << number.Value;
}

TEST_F(SelectionPageChange, StartingAgainRestoresChoicesAndEntriesInTheirUnits) {
    PickSeries(DC_Cooler);
    PickModel(1);
    View.SetListIndex(TSelectionList::Oil, 4);
    TypeOperatingPoint(26.4f, 60, 20, 500, 25);
    PickUnit(E::MaxTemp, Ord(TTemp::F));
    Controller.StoreInputs();

    // A program started again under other regional settings, on the same settings.
    const TScopedRegionalSettings comma(QLatin1Char(','));
    THeadlessSelectionView view;
    view.CatalogueDirectory = QStringLiteral(AIRCOOLER_TEST_DATA_DIR "/");
    view.Language = &Language;
    view.OnApplyLanguageTexts = [&] { ApplySelectionTexts(view); };
    view.ApplyLanguageTexts();
    TSelectionController again(view, Settings, Shown, Models);
    again.InitialisePage();
    again.RestoreInputs();

    EXPECT_EQ(view.SelectedSeries(), DC_Cooler);
    EXPECT_EQ(view.ListIndex(TSelectionList::Model), 1);
    EXPECT_EQ(view.ListIndex(TSelectionList::Oil), 4);
    EXPECT_EQ(view.ListIndex(TSelectionList::MaxTempUnit), Ord(TTemp::F));
    EXPECT_EQ(view.EntryText(E::OilFlow), "26,40");
    EXPECT_EQ(view.EntryText(E::MaxTemp), "140");
    EXPECT_EQ(view.EntryText(E::HeatDiss), "25,00");
    const OperatingPoint& point = again.EnteredPoint();
    EXPECT_FLOAT_EQ(point.OilFlow, 26.4f);
    EXPECT_FLOAT_EQ(point.MaxInletOilTemp, 60);
    EXPECT_FLOAT_EQ(point.AirTemp, 20);
    EXPECT_FLOAT_EQ(point.Altitude, 500);
    EXPECT_FLOAT_EQ(point.CoolingRequired, 25);
    EXPECT_TRUE(Shown.Shown.isEmpty()) << Shown.Texts().join(" | ").toStdString();
}

// The page never entered yet.
TEST_F(SelectionPage, FirstEnteringClampsStoredPositionsAndSkipsDamagedNumbers) {
    const struct {
        const char* Value;
        int32_t Stored;
    } positions[] = {{"OilTypeCombo", 12},  {"OilflowCombo", -3}, {"MaxTempCombo", 1},
                     {"AltitudeCombo", 1},  {"HeatDissCombo", 7}, {"CoolerType", 258},
                     {"CoolerTypeCombo", 1}};
    for (const auto& value : positions)
        Settings.SetRegInteger(value.Stored, Page1Key, value.Value);
    Settings.SetRegString("6.5", Page1Key, "OilflowData");
    Settings.SetRegString("1e40", Page1Key, "MaxTempData");
    Settings.SetRegString("warm", Page1Key, "AirTempData");
    Settings.SetRegString("", Page1Key, "HeatDissData");
    Controller.RestoreInputs();

    const THeadlessSelectionView& view = View;
    EXPECT_EQ(view.ListIndex(TSelectionList::Oil), 9);
    EXPECT_EQ(view.ListIndex(TSelectionList::OilFlowUnit), Ord(TFlow::m3_h));
    EXPECT_EQ(view.EntryText(E::OilFlow), "6.5");
    EXPECT_FLOAT_EQ(Controller.EnteredPoint().OilFlow, 6.5f * 1000 / 60);
    EXPECT_EQ(view.EntryText(E::MaxTemp), "32"); // 0 degC in degF
    EXPECT_EQ(view.EntryText(E::AirTemp), "0.0");
    EXPECT_EQ(view.ResultCaption(L::NoiseLevel), "LpA, 3 ft");
    EXPECT_EQ(view.ListIndex(TSelectionList::HeatDissUnit), Ord(THeatDissi::HP));
    // Only the low byte of the stored series counts: 258 is the hydraulic-motor series.
    EXPECT_EQ(view.SelectedSeries(), Cooler_System);
    EXPECT_EQ(view.ListIndex(TSelectionList::Model), 1);
    EXPECT_TRUE(Shown.Shown.isEmpty()) << Shown.Texts().join(" | ").toStdString();
}

TEST_F(SelectionPageChange, ComingBackShowsTheResultsAsTheyWere) {
    TypeOperatingPoint(60, 60, 20, 500, 25);
    Controller.btCalcNewCoolerClick();
    ASSERT_TRUE(View.GridShown);
    Controller.sgCoolerSamplesSelectCell(0, 2);
    const TShownResults before = Results();
    const int picked = View.ListIndex(TSelectionList::Model);

    Controller.StoreInputs();
    Controller.RestoreInputs();

    EXPECT_EQ(Results(), before);
    EXPECT_EQ(View.SelectedGridRow, 2);
    EXPECT_EQ(View.ListIndex(TSelectionList::Model), picked);
    EXPECT_EQ(Controller.SeriesSized(), AC_Cooler);
    EXPECT_EQ(View.ResultCaption(L::MotorCapacity), "Motor capacity");
    EXPECT_TRUE(Shown.Shown.isEmpty());
}

TEST_F(SelectionPageChange, ComingBackAfterALanguageChangeRelabelsTheSameResults) {
    TypeOperatingPoint(60, 60, 20, 500, 25);
    Controller.btCalcNewCoolerClick();
    const TShownResults before = Results();
    Controller.StoreInputs();
    Language.SetLanguageType(SPANISH); // chosen on the language page
    View.ApplyLanguageTexts();
    Controller.RestoreInputs();

    ASSERT_TRUE(View.GridShown);
    EXPECT_EQ(View.GridRows[0].Cells[0], "Tipo de intercambiador ");
    EXPECT_EQ(GridModels(), (QStringList{"KFIX M", "KFIX L", "KFIX S"}));
    EXPECT_EQ(Results().Values, before.Values);
    EXPECT_TRUE(Controller.PrintingEnabled());
    EXPECT_EQ(View.DisclaimerText, "Sujeto a modificaciones técnicas.");
}

TEST_F(SelectionPageChange, ReportInAnotherLanguageLeavesThePageTextsAlone) {
    // The print setup reads the report's texts in the report's language through the page's
    // text store.
    THeadlessPrintSetupView dialog;
    dialog.OnShowModal = [] { return true; };
    TMemoryPrintSetupSettings stored;
    stored.Language = SPANISH;
    bool firstTime = true;
    TPrintSetupController printSetup(dialog, stored, firstTime);
    QString reportNote;
    RunPrintCommand(Language, printSetup, [&](const TPrintSetupChoice& choice) {
        reportNote = choice.Texts.AlterationsNote;
    });
    ASSERT_EQ(reportNote, "Sujeto a modificaciones técnicas.");
    Controller.StoreInputs();
    Controller.RestoreInputs();
    EXPECT_EQ(View.DisclaimerText, "Subject to technical alterations.");
}

TEST_F(SelectionPageChange, HandedOverCoolingIsTakenInItsUnitWhenThePageIsEntered) {
    TypeOperatingPoint(40, 60, 20, 500, 25);
    Controller.btCalcNewCoolerClick();
    Controller.StoreInputs();

    Controller.TakeRequiredCooling("6171", Ord(THeatDissi::W));
    EXPECT_EQ(Entry(E::HeatDiss), "25.00"); // not before the page is entered
    Controller.RestoreInputs();

    EXPECT_EQ(View.ListIndex(TSelectionList::HeatDissUnit), Ord(THeatDissi::W));
    EXPECT_EQ(Entry(E::HeatDiss), "6171");
    EXPECT_FLOAT_EQ(Controller.EnteredPoint().CoolingRequired, 6.171f);
    EXPECT_FALSE(View.GridShown);
    EXPECT_FALSE(Controller.PrintingEnabled());

    // Taken once: coming back again changes nothing.
    Type(E::HeatDiss, "20");
    Controller.StoreInputs();
    Controller.RestoreInputs();
    EXPECT_EQ(Entry(E::HeatDiss), "20");
    EXPECT_EQ(View.ListIndex(TSelectionList::HeatDissUnit), Ord(THeatDissi::W));
}

TEST_F(SelectionPageChange, HandedOverCoolingInAnotherUnitVoidsResultsEvenWithTheSameNumber) {
    TypeOperatingPoint(40, 60, 20, 500, 25);
    Controller.btCalcNewCoolerClick();
    ASSERT_TRUE(Controller.PrintingEnabled());
    Controller.TakeRequiredCooling("25.00", Ord(THeatDissi::HP));
    Controller.RestoreInputs();
    EXPECT_NEAR(Controller.EnteredPoint().CoolingRequired, 18.6428, 1e-4); // 25 HP
    EXPECT_FALSE(Controller.PrintingEnabled());

    Controller.btCalcNewCoolerClick();
    ASSERT_TRUE(Controller.PrintingEnabled());
    Controller.TakeRequiredCooling("25.00", Ord(THeatDissi::HP));
    Controller.RestoreInputs();
    EXPECT_TRUE(Controller.PrintingEnabled()); // the same cooling: nothing to redo
}

TEST_F(SelectionPageChange, ChangedMarginsSizeAgainAndKeepThePickedCandidate) {
    TypeOperatingPoint(60, 60, 20, 500, 25);
    Controller.btCalcNewCoolerClick();
    Controller.sgCoolerSamplesSelectCell(0, 2);
    const QString inletBefore = Value(L::OilInletTemp);

    View.Margins.OutputOilAirDev = 30;
    Controller.MarginsChanged();
    const TShownResults after = Results();

    // The same as sizing again under the new margins and picking that candidate.
    Controller.ClearOnNewCoolerType(false);
    Controller.btCalcNewCoolerClick();
    Controller.sgCoolerSamplesSelectCell(0, 2);
    EXPECT_EQ(after, Results());
    EXPECT_EQ(after.PickedRow, 2);
    EXPECT_NE(after.Values[static_cast<int>(L::OilInletTemp)], inletBefore);
}

TEST_F(SelectionPageChange, StoredModeCountsOnlyWhileTheModeCanBeChosen) {
    const struct {
        bool Visible;
        std::optional<int32_t> Stored;
        bool FixedInletTemp;
    } cases[] = {{false, 1, false}, {true, 1, true}, {true, 0, false}, {true, std::nullopt, false}};
    for (const auto& c : cases) {
        TMemoryStoredValues settings;
        if (c.Stored)
            settings.SetRegInteger(*c.Stored, Page1Key, "FixedTempMode");
        View.ModeGroupShown = c.Visible;
        TSelectionController controller(View, settings, Shown, Models);
        controller.LoadFixedTempMode();
        EXPECT_EQ(controller.InletTempHeld(), c.FixedInletTemp);
        EXPECT_EQ(View.FixedTempSelected, c.FixedInletTemp);
    }
}

TEST_F(SelectionPageChange, PickedModeIsStored) {
    Controller.rbFixedTempClick();
    EXPECT_EQ(Stored(Settings, Page1Key, "FixedTempMode"), 1);
    Controller.rbFixedPowerClick();
    EXPECT_EQ(Stored(Settings, Page1Key, "FixedTempMode"), 0);
    EXPECT_FALSE(Controller.InletTempHeld());
}

// A page that records which series the dimensions page was asked to show.
class TDimensionsRecordingView : public THeadlessSelectionView {
public:
    void ShowDimensionSeries(TCoolerType series) override { Dimensions.append(series); }
    QList<TCoolerType> Dimensions;
};

TEST(SelectionModelList, FollowsTheStoredPositionWithinTheSeries) {
    TDimensionsRecordingView view;
    view.KeptCaptions.AlterationsNote = "Subject to technical alterations.";
    TMemoryStoredValues settings;
    TRecordingMessages messages;
    TFixtureModelLists models;
    TSelectionController controller(view, settings, messages, models);

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
        EXPECT_EQ(controller.SeriesSized(), c.Series);
        EXPECT_EQ(controller.ShadowList().size(), view.ListItems(TSelectionList::Model).size());
    }
    EXPECT_EQ(view.DisclaimerText, "Subject to technical alterations.");
    EXPECT_FALSE(view.PrintEnabled);
}

TEST_F(SelectionPageChange, PickingASeriesForgetsTheStoredModel) {
    Settings.SetRegInteger(2, Page1Key, "CoolerTypeCombo");
    PickSeries(VCS_Cooler);
    EXPECT_EQ(Stored(Settings, Page1Key, "CoolerTypeCombo"), 0);
    EXPECT_EQ(View.ListIndex(TSelectionList::Model), 0);
}

} // namespace
