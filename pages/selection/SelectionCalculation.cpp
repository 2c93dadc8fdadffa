#include "pages/selection/SelectionController.h"

#include "core/MessageService.h"
#include "engine/CatalogueSource.h"
#include "engine/VerDep.h"
#include "pages/selection/SelectionEntries.h"
#include "pages/selection/SelectionMessages.h"
#include "texts/Language.h"

// Each action reads the files afresh: the user may have replaced them.
OilGrade TSelectionController::ReadOil() const {
    return CatalogueSource(View.IniFilePath()).Oil(OilSectionName());
}

ModelRecord TSelectionController::ReadModel(int Position) const {
    return CatalogueSource(View.IniFilePath())
        .Model(CurrentPoint().Series,
               TVerDep().ChangeToSectionName(cbShadow.value(Position), CurrentPoint().Series));
}

QList<ModelRecord> TSelectionController::ReadSeriesModels() const {
    QList<ModelRecord> models;
    for (int position = 0; position < cbShadow.size(); ++position)
        models.append(ReadModel(position));
    return models;
}

OperatingPoint TSelectionController::CurrentPoint() const {
    OperatingPoint point = Point;
    point.Series = CurrentCoolerType;
    point.InletTempHeld = FixedInletTempFLG;
    point.OutletOilAirMargin = View.ServiceMargins().OutputOilAirDev;
    return point;
}

PresentationStyle TSelectionController::Style() const {
    const DisplayUnits units{
        View.ListIndex(TSelectionList::OilFlowUnit), View.ListIndex(TSelectionList::MaxTempUnit),
        View.ListIndex(TSelectionList::AirTempUnit), View.ListIndex(TSelectionList::AltitudeUnit),
        View.ListIndex(TSelectionList::HeatDissUnit)};
    return {units, FixedInletTempFLG, View.Edition() == TEdition::US};
}

SelectionCaptions TSelectionController::Captions() const {
    TLanguage* language = View.TextStore();
    return language ? SelectionCaptions::Read(*language) : SelectionCaptions{};
}

QString TSelectionController::RefusalMessageOf(const RatingRefusal& Refusal) const {
    return RefusalMessage(Refusal.Code, Refusal.MinFlow, Refusal.MaxFlow, Captions(), Style().Units,
                          CurrentPoint().InletTempHeld);
}

void TSelectionController::ReadPumpFlowEntry() {
    float flow = 0;
    if (!TUnitConv(Messages, View.ThousandsReadingsStr())
             .StringToFloat(flow, View.EntryText(TSelectionEntry::OilFlow).left(255),
                            View.GroupCaption(TSelectionGroup::OilFlow)))
        return;
    int decimals = 0;
    Point.OilFlow =
        TUnitConv::FlowToLiterPerMin(decimals, flow, View.ListIndex(TSelectionList::OilFlowUnit));
}

void TSelectionController::ShowResults(const ShownModel& Model) {
    const PresentedResult& shown = Model.Presented;
    for (int line = 0; line < ResultLineCount; ++line)
        View.SetResultValue(static_cast<TResultLine>(line), shown.Values[line]);
    for (TResultLine line : {TResultLine::HeatLoad, TResultLine::OilInletTemp})
        View.SetResultValueColors(line, shown.Background(line), ReadableOn(shown.Background(line)));
    for (TResultLine line : {TResultLine::AirOutletTemp, TResultLine::OilOutletTemp})
        View.SetResultValueColors(line, shown.Background(line), clBlack);
    View.SetEntryColor(TSelectionEntry::HeatDiss, shown.HeatEntryBackground);
    View.SetEntryColor(TSelectionEntry::MaxTemp, shown.MaxTempEntryBackground);
    View.SetEntryFontColor(TSelectionEntry::MaxTemp, ReadableOn(shown.MaxTempEntryBackground));
    Shown = Model;
    View.SetPrintEnabled(true);
    PrinterEnableFLG = true;
}

void TSelectionController::btCalcSelectedCoolerClick() {
    if (!CommitEntries())
        return;
    RunAction([&] {
        const int position = View.ListIndex(TSelectionList::Model);
        const OilGrade oil = ReadOil();
        const ModelRecord model = ReadModel(position);
        if (RunsAtPumpFlow(CurrentPoint().Series))
            ReadPumpFlowEntry();
        const OperatingPoint point = CurrentPoint();
        const Rating rating = Rate(point, model, oil);
        // A calculation that fails clears the page and says why, rather than leaving the
        // results of an earlier one.
        if (const std::optional<RatingRefusal> refusal =
                rating.Refusal ? rating.Refusal : rating.SolvingRefusal) {
            ClearOnNewCoolerType(false);
            Messages.Error(RefusalMessageOf(*refusal));
            return;
        }
        ShowResults({position, model, rating, PresentRating(rating, model, point.Series, Style())});
    });
}

void TSelectionController::btCalcNewCoolerClick() {
    if (!CommitEntries())
        return;
    RunAction([&] {
        const OilGrade oil = ReadOil();
        const TLimitResultError limits = CheckOperatingPoint(CurrentPoint());
        if (limits != LR_OK) {
            Messages.Error(RefusalMessageOf({limits, 0, 0}));
            return;
        }

        Sized.reset();
        if (RunsAtPumpFlow(CurrentPoint().Series))
            EntryExit(TSelectionEntry::OilFlow);
        QStringList models;
        ModelLists.FillComboBoxDim(CurrentPoint().Series, View.RpmTextStr(), models, cbShadow);
        View.SetListItems(TSelectionList::Model, models);
        View.SetListIndex(TSelectionList::Model, 0);
        SizedSeries sized{CurrentPoint(), oil, ReadSeriesModels(), {}, {}};
        sized.Result = Size(sized.Point, sized.Models, sized.Oil);
        for (const Candidate& candidate : sized.Result.Candidates)
            sized.Presented.append(PresentRating(candidate.Result, sized.Models[candidate.Position],
                                                 sized.Point.Series, Style()));
        if (sized.Result.Outcome != SizingOutcome::Chosen) {
            const TShownMessage message = NothingChosenMessage(
                sized.Result, Captions(), Style().Units, sized.Point.InletTempHeld,
                View.EntryText(TSelectionEntry::OilFlow));
            if (message.Kind == TMessageKind::Information)
                Messages.Information(message.Text);
            else
                Messages.Error(message.Text);
            ClearOnNewCoolerType(false);
            return;
        }
        Sized = sized;
        View.SetGridRows(GridRows());
        View.SetGridVisible(true);
        ShowCandidate(1);
    });
}
