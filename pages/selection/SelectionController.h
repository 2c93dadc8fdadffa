#pragma once

#include "core/CoolerTypes.h"
#include "engine/OilGrade.h"
#include "engine/Sizing.h"
#include "pages/selection/ResultPresentation.h"
#include "pages/selection/SelectionCaptions.h"
#include "pages/selection/SelectionModelLists.h"
#include "pages/selection/SelectionSettings.h"
#include "pages/selection/SelectionView.h"
#include "report/SelectionReportData.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class TMessageService;

// The logic of the selection page: reading the operating point, sizing a cooler, listing the
// candidates and colouring a shortfall. It reaches the window only through TSelectionView,
// messages only through the TMessageService it is given and stored values only through
// TStoredValues, so the window, the tests and the command-line tool run the same code.
//
// Each public operation is one action of the page, run to its end. A data file that cannot be
// read, or holds a value no cooler or oil can have, stops the whole action the user started
// with the file's error message and clears the results.
class TSelectionController {
public:
    // `ModelLists` is where the series' models come from; the product's are built in.
    TSelectionController(TSelectionView& View, TStoredValues& Settings, TMessageService& Messages,
                         const TSelectionModelLists& ModelLists = BuiltInModelLists());

    // When the window is created: no results, no grid, no printing, every entry "0"; the US
    // edition shows no motor protection line.
    void InitialisePage();

    // The user leaves an entry (`edOilflowCoolerDataExit` and its siblings): the typed number
    // is stored in base units, or the entry keeps the focus after the reader's message.
    void EntryExit(TSelectionEntry Entry);
    // Another unit is picked beside an entry (`cbOilflowCoolerDataChange` and its siblings).
    void UnitChange(TSelectionEntry Entry);
    // An entry's text changed (`edOilflowCoolerDataChange` and its siblings).
    void EntryChange(TSelectionEntry Entry);
    void edOilflowCoolerDataClick();
    void cbOilCoolerDataChange();
    // A series radio button is clicked (`rbACCoolerDataClick` and its siblings).
    void SeriesClick(TCoolerType Series);
    void cbTypeCoolerDataChange();

    void rbFixedTempClick();
    void rbFixedPowerClick();
    void SetFixedInletTemperature(bool Value);
    void SaveFixedTempMode();
    void LoadFixedTempMode();

    // "Calculate Selected Cooler": the picked model at the operating point, the solved inlet
    // temperature in the fixed required cooling mode, and the colours.
    void btCalcSelectedCoolerClick();
    // "Calculate New Cooler": the smallest model that suffices, listed with its neighbours.
    void btCalcNewCoolerClick();
    void ClearOnNewCoolerType(bool ClearAllFLG);

    // The user picks a cell of the candidates grid; false for the header row.
    bool sgCoolerSamplesSelectCell(int ACol, int ARow);

    // The series change of the page: the model list of the series and the stored position.
    void FillSelectionModelList(TCoolerType Series);

    // The page change. Leaving the page stores its choices and entries; entering it the first
    // time restores them. Later the page shows what it showed when it was left, results
    // included, in the window's current language, unless a required cooling was handed over.
    void StoreInputs();
    void RestoreInputs();
    // A required cooling from another page, the number as shown there and the position of its
    // unit in the heat unit list; the page takes it when it is entered next.
    void TakeRequiredCooling(const QString& Text, int HeatUnit);
    // The service margins changed: the results shown are calculated again under the new ones.
    void MarginsChanged();

    bool PrintingEnabled() const { return PrinterEnableFLG; }
    // The series the page sizes and whether it holds the inlet temperature (else the cooling
    // required).
    TCoolerType SeriesSized() const { return CurrentCoolerType; }
    bool InletTempHeld() const { return FixedInletTempFLG; }
    // What the report copies from the page as it shows it now.
    TSelectionReportData ReportData() const;
    // The candidates listed after "Calculate New Cooler", as the grid's rows 1 on; empty while
    // the grid is hidden.
    QList<Candidate> Candidates() const;
    // The rating of the model whose results the panel shows; none while it shows none.
    std::optional<Rating> ShownRating() const {
        return Shown ? std::optional<Rating>(Shown->Result) : std::nullopt;
    }
    // The operating point the entries hold, in base units.
    const OperatingPoint& EnteredPoint() const { return Point; }
    // The catalogue names of the listed models, at the positions of the model list.
    const QStringList& ShadowList() const { return cbShadow; }

private:
    // What "Calculate New Cooler" found, kept while its grid is shown: the candidates are
    // shown again from it when one is picked, in another language or in another unit.
    struct SizedSeries {
        OperatingPoint Point;
        OilGrade Oil;
        QList<ModelRecord> Models; // the series' list
        SizingResult Result;
        QList<PresentedResult> Presented; // by candidate, as the grid shows them
    };
    // The results the panel shows: the model's position in the list and its rating.
    struct ShownModel {
        int Position = 0;
        ModelRecord Model{};
        Rating Result;
        PresentedResult Presented;
    };

    void RunAction(const std::function<void()>& Body);

    // The exit action of an entry; false when its text does not read as a number.
    bool ExitEntry(TSelectionEntry Entry);
    // Before a calculation: the entry being typed in is read, and every entry must read.
    bool CommitEntries();
    void WriteEntry(TSelectionEntry Entry, const QString& Text);
    // The entry rewritten from its field in base units, in the unit picked beside it.
    void ShowStoredValue(TSelectionEntry Entry);
    void ShowOilFlow(float FlowLiterPerMin);
    void FillInPumpFlow(bool DisableEntry);
    QString OilSectionName() const;
    QString PickedSectionName() const;
    OilGrade ReadOil() const;
    ModelRecord ReadModel(int Position) const;
    QList<ModelRecord> ReadSeriesModels() const;
    // The point as the page sizes it now: the entries' values with the series, the mode and
    // the service margin.
    OperatingPoint CurrentPoint() const;
    PresentationStyle Style() const;

    void ReadPumpFlowEntry();
    // The results of `Shown` on the panel, with their colours.
    void ShowResults(const ShownModel& Shown);
    // A candidate listed by the last sizing on the panel and its row picked.
    void ShowCandidate(int Row);
    void ShowNoiseCaption();

    // The texts of the page in the window's language, whose Page_1 is loaded for them.
    SelectionCaptions Captions() const;
    // The message of a refused calculation, worded with the page's captions and units.
    QString RefusalMessageOf(const RatingRefusal& Refusal) const;

    // The diagram of the listed candidates, the model of the results chosen.
    void ShowSelectionDiagram();

    // The series shown: its model list at the stored position, its captions and its flow.
    void SwitchSeries(TCoolerType Series);
    void ShowMotorCaption();
    // What the first entering of the page takes from the settings store.
    void RestoreStoredInputs();
    void RestoreStoredEntry(TSelectionEntry Entry);
    void StoreEntry(TSelectionEntry Entry);
    // The texts that follow the window's language, redone on entering the page: the model
    // names, the captions that depend on the series and the candidates grid.
    void ShowPageTexts();
    void TakeHandedOverCooling();

    QList<TSampleRow> GridRows() const;

    TSelectionView& View;
    TStoredValues& Settings;
    TMessageService& Messages;
    const TSelectionModelLists& ModelLists;

    QStringList cbShadow;
    // The series shown; the dimensions page keeps a series of its own.
    TCoolerType CurrentCoolerType = AC_Cooler;
    bool FixedInletTempFLG = false;
    bool PrinterEnableFLG = false;
    OperatingPoint Point;
    std::optional<SizedSeries> Sized;
    std::optional<ShownModel> Shown;
    int ActionDepth = 0;
    bool StoredInputsRestored = false;
    // The oil flow the user typed, in l/min. A cooling system runs at its own pump's flow,
    // which the entry shows while one is chosen; every other series is sized at this flow.
    float TypedOilFlow = 0;
    struct THandedOverCooling {
        QString Text;
        int HeatUnit;
    };
    std::optional<THandedOverCooling> HandedOverCooling;
};
