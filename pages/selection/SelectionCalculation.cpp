#include "pages/selection/SelectionController.h"

#include "core/EngineState.h"
#include "core/MessageService.h"
#include "engine/CoolerCatalogue.h"
#include "engine/VerDep.h"
#include "pages/selection/SelectionEntries.h"
#include "pages/selection/SelectionLimits.h"
#include "pages/selection/SelectionTextKeys.h"
#include "texts/Language.h"

namespace {

constexpr int MaxMessageLength = 255;
// How much of the texts that say no cooler was chosen a message takes.
constexpr qsizetype NoCoolerMessageLength = 80;

QString Range(const QString& Min, const QString& Max) {
    return QStringLiteral(" (") + Min + QStringLiteral(" - ") + Max + QLatin1Char(')');
}

} // namespace

OilGrade TSelectionController::ReadOil() const {
    return OilGrade::Read(OilSectionName(), EngineState().IniFilePath);
}

ModelRecord TSelectionController::ReadModel(int Position) const {
    const TVerDep names;
    return ReadModelRecord(names.ChangeToSectionName(cbShadow.value(Position)),
                           EngineState().IniFilePath,
                           names.ChangeToCoolerIniFilename(CurrentPoint().Series));
}

QList<ModelRecord> TSelectionController::ReadSeriesModels() const {
    QList<ModelRecord> models;
    for (int position = 0; position < cbShadow.size(); ++position)
        models.append(ReadModel(position));
    return models;
}

OperatingPoint TSelectionController::CurrentPoint() const {
    const TEngineState& s = EngineState();
    OperatingPoint point = Point;
    point.Series = s.CurrentCoolerType;
    point.InletTempHeld = s.FixedInletTempFLG;
    point.OutletOilAirMargin = s.OutputOilAirDev;
    return point;
}

PresentationStyle TSelectionController::Style() const {
    const DisplayUnits units{
        View.ListIndex(TSelectionList::OilFlowUnit), View.ListIndex(TSelectionList::MaxTempUnit),
        View.ListIndex(TSelectionList::AirTempUnit), View.ListIndex(TSelectionList::AltitudeUnit),
        View.ListIndex(TSelectionList::HeatDissUnit)};
    return {units, EngineState().FixedInletTempFLG, EngineState().USVersionFLG};
}

QString TSelectionController::PageText(const char* Key) const {
    TLanguage* language = View.TextStore();
    if (!language)
        return QString();
    if (language->GetLastLanguagePage() != Page_1)
        language->NewPageText(Page_1);
    return language->GetTxt(Key);
}

QString TSelectionController::RefusalMessage(TLimitResultError Code, double MinFlow,
                                             double MaxFlow) const {
    const auto caption = [&](TSelectionGroup group) { return View.GroupCaption(group); };
    const auto unit = [&](TSelectionList list) { return View.ListIndex(list); };
    const QString outOfRange = PageText(SelectionTextKey::OutOfRange);
    const QString afterCaption = QLatin1Char(' ') + outOfRange;
    QString message;
    switch (Code) {
    case LR_FLOW_ERR: {
        const int flowUnit = unit(TSelectionList::OilFlowUnit);
        message = caption(TSelectionGroup::OilFlow) + afterCaption +
                  Range(FlowLimitText(static_cast<float>(MinFlow), flowUnit),
                        FlowLimitText(static_cast<float>(MaxFlow), flowUnit));
        break;
    }
    case LR_OIL_TEMP_ERR:
        message = caption(TSelectionGroup::MaxTemp) + afterCaption +
                  Range(MinInletOilTempText(unit(TSelectionList::MaxTempUnit)),
                        MaxInletOilTempText(unit(TSelectionList::MaxTempUnit)));
        break;
    case LR_AIR_TEMP_ERR:
        message = caption(TSelectionGroup::AirTemp) + afterCaption +
                  Range(MinAirTempText(unit(TSelectionList::AirTempUnit)),
                        MaxAirTempText(unit(TSelectionList::AirTempUnit)));
        break;
    case LR_ATITUDE_ERR:
        message = caption(TSelectionGroup::Altitude) + afterCaption +
                  Range(MinAltitudeText(unit(TSelectionList::AltitudeUnit)),
                        MaxAltitudeText(unit(TSelectionList::AltitudeUnit)));
        break;
    case LR_HEAT_DISSI_ERR:
        message = caption(TSelectionGroup::HeatDiss) + QStringLiteral(": ") + outOfRange +
                  Range(MinCoolingRequiredText(unit(TSelectionList::HeatDissUnit)),
                        MaxCoolingRequiredText(unit(TSelectionList::HeatDissUnit)));
        break;
    case LR_INOIL_AIR_TEMP_ERR:
        message = caption(TSelectionGroup::MaxTemp) + QStringLiteral(" - ") +
                  caption(TSelectionGroup::AirTemp) + afterCaption;
        break;
    case LR_SPEC_HEAT_DISSI_ERR:
        message = View.ResultCaption(TResultLine::HeatLoad) + afterCaption;
        break;
    case LR_OK:
    case LR_UNKNOWN_ERR:
        break;
    }
    return message.left(MaxMessageLength);
}

void TSelectionController::ReadPumpFlowEntry() {
    float flow = 0;
    if (!TUnitConv().StringToFloat(flow, View.EntryText(TSelectionEntry::OilFlow).left(255),
                                   View.GroupCaption(TSelectionGroup::OilFlow)))
        return;
    int decimals = 0;
    Point.OilFlow =
        TUnitConv().FlowToLiterPerMin(decimals, flow, View.ListIndex(TSelectionList::OilFlowUnit));
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
            Messages().Error(RefusalMessage(refusal->Code, refusal->MinFlow, refusal->MaxFlow));
            return;
        }
        ShowResults({position, model, rating, PresentRating(rating, model, point.Series, Style())});
    });
}

void TSelectionController::TellNothingChosen(const SizingResult& Result) {
    using namespace SelectionTextKey;
    const QString noCooler = PageText(NoCooler).left(NoCoolerMessageLength);
    switch (Result.Outcome) {
    case SizingOutcome::NoOilFlow:
        Messages().Information(PageText(NotRecommended).left(NoCoolerMessageLength) +
                               QLatin1Char('\n') + View.GroupCaption(TSelectionGroup::OilFlow) +
                               QStringLiteral(": ") + View.EntryText(TSelectionEntry::OilFlow));
        break;
    case SizingOutcome::AirTooClose: {
        // Without the words for it, the user hears that no cooler can be selected.
        const QString airTooClose = PageText(AirTooClose);
        Messages().Error(
            airTooClose.contains(u"%1")
                ? airTooClose.arg(TemperatureDifferenceText(
                      Result.NeededDifference, View.ListIndex(TSelectionList::MaxTempUnit)))
                : noCooler);
        break;
    }
    case SizingOutcome::InputRefused:
        Messages().Error(RefusalMessage(Result.InputRefusal, 0, 0));
        break;
    case SizingOutcome::NoCooler:
    case SizingOutcome::Chosen:
        Messages().Error(noCooler);
        break;
    }
}

void TSelectionController::btCalcNewCoolerClick() {
    if (!CommitEntries())
        return;
    RunAction([&] {
        const OilGrade oil = ReadOil();
        const TLimitResultError limits = CheckOperatingPoint(CurrentPoint());
        if (limits != LR_OK) {
            Messages().Error(RefusalMessage(limits, 0, 0));
            return;
        }

        Sized.reset();
        if (RunsAtPumpFlow(CurrentPoint().Series))
            EntryExit(TSelectionEntry::OilFlow);
        QStringList models;
        ModelLists.FillComboBoxDim(CurrentPoint().Series, models, cbShadow);
        View.SetListItems(TSelectionList::Model, models);
        View.SetListIndex(TSelectionList::Model, 0);
        SizedSeries sized{CurrentPoint(), oil, ReadSeriesModels(), {}};
        sized.Result = Size(sized.Point, sized.Models, sized.Oil);
        for (const Candidate& candidate : sized.Result.Candidates)
            sized.Presented.append(PresentRating(candidate.Result, sized.Models[candidate.Position],
                                                 sized.Point.Series, Style()));
        if (sized.Result.Outcome != SizingOutcome::Chosen) {
            TellNothingChosen(sized.Result);
            ClearOnNewCoolerType(false);
            return;
        }
        Sized = sized;
        View.SetGridRows(GridRows());
        View.SetGridVisible(true);
        ShowCandidate(1);
    });
}
