#include "pages/selection/ScriptedSelection.h"

#include "core/DataFault.h"
#include "engine/VerDep.h"
#include "pages/selection/SelectionEntries.h"
#include "pages/selection/SelectionLimits.h"
#include "pages/selection/SelectionMessages.h"
#include "pages/selection/SelectionPageItems.h"
#include "units/NumericText.h"
#include "units/UnitConv.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::array<TSelectionEntry, 5> TypingOrder{
    TSelectionEntry::OilFlow, TSelectionEntry::MaxTemp, TSelectionEntry::AirTemp,
    TSelectionEntry::Altitude, TSelectionEntry::HeatDiss};

int UnitOf(const DisplayUnits& Units, TSelectionEntry Entry) {
    switch (Entry) {
    case TSelectionEntry::OilFlow:
        return Units.Flow;
    case TSelectionEntry::MaxTemp:
        return Units.OilTemp;
    case TSelectionEntry::AirTemp:
        return Units.AirTemp;
    case TSelectionEntry::Altitude:
        return Units.Altitude;
    case TSelectionEntry::HeatDiss:
        break;
    }
    return Units.Heat;
}

// The steps of a user on the page, with the page's entries as texts and its values in base
// units. A step the page refuses tells why and leaves no result, as the window does.
class ScriptedPage {
public:
    ScriptedPage(const SelectionRequest& Request, const SelectionCaptions& Captions,
                 const ListedModels& Models, const CatalogueSource& Catalogue)
        : Request(Request), Captions(Captions), Models(Models), Catalogue(Catalogue) {
        Point.Series = Request.Series;
        Out.EntryTexts.fill(QStringLiteral("0"));
    }

    // Runs once: the outcome is handed over, not copied.
    SelectionOutcome Run() && {
        Enter();
        // A step the page refused (a damaged data file) ends the selection: calculating could
        // only repeat its message.
        if (Out.Messages.isEmpty())
            Step([&] { Request.NewCooler ? CalculateNew() : CalculateSelected(); });
        return std::move(Out);
    }

private:
    bool PumpFlow() const { return RunsAtPumpFlow(Request.Series); }
    QString& Text(TSelectionEntry Entry) { return Out.EntryTexts[static_cast<int>(Entry)]; }

    template <typename Body> void Step(Body body) {
        try {
            body();
        } catch (const EDataFault& e) {
            Clear();
            Out.Messages.append({TMessageKind::Error, e.Message()});
        }
    }

    void Clear() {
        Out.Calculated = false;
        Out.Result = PresentedResult();
        Out.Numbers = {};
        Out.CandidateNumbers.clear();
        Out.Grid.clear();
        Out.Candidates.clear();
        Out.Diagram.reset();
    }

    OilGrade ReadOil(int Grade) const {
        QString grade = OilGradeItems().value(Grade);
        if (grade.isEmpty())
            grade = DefaultOilGrade;
        return Catalogue.Oil(TVerDep().ChangeToValidFilename(grade));
    }

    ModelRecord ReadModel(int Position) const {
        return Catalogue.Model(
            Request.Series,
            TVerDep().ChangeToSectionName(Models.CatalogueNames.value(Position), Request.Series));
    }

    // A cooling system's pump flow filled into the flow entry, as the page does on picking it.
    void FillInPumpFlow(int Grade, int Position, int FlowUnit) {
        ReadOil(Grade);
        Point.OilFlow = static_cast<float>(ReadModel(Position)[Catalogue::MaxFlow]);
        Text(TSelectionEntry::OilFlow) = FlowLimitText(Point.OilFlow, FlowUnit);
    }

    // The entry read as the page reads it when the user leaves it: the value in base units and
    // the text rewritten as read.
    void LeaveEntry(TSelectionEntry Entry) {
        const TEntryQuantity& quantity = QuantityOf(Entry);
        const QString text = Text(Entry).left(255);
        TRecordingMessages silent;
        float value = 0;
        if (!TUnitConv(silent).StringToFloat(value, text, Captions.Group(quantity.Group)))
            return;
        int decimals = 0;
        float converted = quantity.ToBase(decimals, value, UnitOf(Request.Units, Entry));
        if (!std::isfinite(converted))
            converted = std::copysign(std::numeric_limits<float>::max(), converted);
        Point.*quantity.Field = converted;
        Text(Entry) = FormatFixed(value, EntryPrecision, TUnitConv::GetNoOfDeciFromString(text));
    }

    // The flow entry rewritten in its unit from the value held.
    void ShowStoredFlow(int FlowUnit) {
        const TEntryQuantity& quantity = QuantityOf(TSelectionEntry::OilFlow);
        int decimals = 0;
        float shown = quantity.FromBase(decimals, Point.OilFlow, FlowUnit);
        if (!std::isfinite(shown))
            shown = std::copysign(std::numeric_limits<float>::max(), shown);
        Text(TSelectionEntry::OilFlow) = FormatFixed(shown, quantity.UnitChangePrecision, decimals);
    }

    void ShowOilFlow(float FlowLiterPerMin) {
        int decimals = 0;
        const float shown =
            TUnitConv::FlowFromLiterPerMin(decimals, FlowLiterPerMin, Request.Units.Flow);
        Text(TSelectionEntry::OilFlow) = FormatFixed(shown, EntryPrecision, decimals);
    }

    void Enter() {
        // The page starts with its first grade and metric units; a cooling system's pump flow
        // is filled in as soon as the series is picked, and again for the model picked.
        if (PumpFlow()) {
            constexpr int startFlowUnit = 1; // l/min
            Step([&] { FillInPumpFlow(0, 0, startFlowUnit); });
            ShowStoredFlow(Request.Units.Flow);
            if (Request.Model >= 0)
                Step([&] { FillInPumpFlow(Request.OilGrade, Request.Model, Request.Units.Flow); });
        }
        for (TSelectionEntry entry : TypingOrder) {
            if (const std::optional<QString>& typed = Request.Typed[static_cast<int>(entry)]) {
                Text(entry) = *typed;
                LeaveEntry(entry);
            }
        }
    }

    OperatingPoint CurrentPoint() const {
        OperatingPoint point = Point;
        point.Series = Request.Series;
        return point;
    }

    PresentationStyle Style() const { return {Request.Units, false, Request.USEdition}; }

    QString RefusalText(const RatingRefusal& Refusal) const {
        return RefusalMessage(Refusal.Code, Refusal.MinFlow, Refusal.MaxFlow, Captions,
                              Request.Units, false);
    }

    void CalculateSelected() {
        const OilGrade oil = ReadOil(Request.OilGrade);
        const ModelRecord model = ReadModel(Request.Model);
        if (PumpFlow()) {
            // The flow the entry shows, read back.
            TRecordingMessages silent;
            float flow = 0;
            if (TUnitConv(silent).StringToFloat(flow, Text(TSelectionEntry::OilFlow).left(255),
                                                QString())) {
                int decimals = 0;
                Point.OilFlow = TUnitConv::FlowToLiterPerMin(decimals, flow, Request.Units.Flow);
            }
        }
        const Rating rating = Rate(CurrentPoint(), model, oil);
        if (const std::optional<RatingRefusal> refusal =
                rating.Refusal ? rating.Refusal : rating.SolvingRefusal) {
            Clear();
            Out.Messages.append({TMessageKind::Error, RefusalText(*refusal)});
            return;
        }
        Show(Request.Model, model, rating);
    }

    void CalculateNew() {
        const OilGrade oil = ReadOil(Request.OilGrade);
        const TLimitResultError limits = CheckOperatingPoint(CurrentPoint());
        if (limits != LR_OK) {
            Out.Messages.append({TMessageKind::Error, RefusalText({limits, 0, 0})});
            return;
        }
        if (PumpFlow())
            LeaveEntry(TSelectionEntry::OilFlow);
        QList<ModelRecord> records;
        records.reserve(Models.CatalogueNames.size());
        for (int position = 0; position < Models.CatalogueNames.size(); ++position)
            records.append(ReadModel(position));
        const OperatingPoint point = CurrentPoint();
        const SizingResult sized = Size(point, records, oil);
        if (sized.Outcome != SizingOutcome::Chosen) {
            Out.Messages.append(NothingChosenMessage(sized, Captions, Request.Units, false,
                                                     Text(TSelectionEntry::OilFlow)));
            Clear();
            return;
        }

        Out.Candidates = sized.Candidates;
        if (Request.WithCandidateRows)
            ListCandidates(records);

        int row = 1;
        if (Request.Model >= 0) {
            const auto picked =
                std::find_if(sized.Candidates.cbegin(), sized.Candidates.cend(),
                             [&](const Candidate& c) { return c.Position == Request.Model; });
            if (picked == sized.Candidates.cend())
                Out.ModelNotListed = true;
            else
                row = static_cast<int>(picked - sized.Candidates.cbegin()) + 1;
        }
        const Candidate& shown = sized.Candidates[row - 1];
        if (PumpFlow()) {
            Point.OilFlow = shown.Result.OilFlow;
            ShowOilFlow(Point.OilFlow);
        }
        Show(shown.Position, records[shown.Position], shown.Result);
        Out.GridRow = row;
        if (Request.WithDiagram)
            Out.Diagram = DiagramOf(point, oil, records, shown);
    }

    // The grid: its header, then each candidate's row, with the candidate's numbers beside.
    void ListCandidates(const QList<ModelRecord>& Records) {
        Out.Grid = {{{Captions.Group(TSelectionGroup::CoolerData),
                      Captions.ResultCaption(TResultLine::HeatLoad, Request.Series, false, false),
                      Captions.OilInletTemp,
                      Captions.ResultCaption(TResultLine::NoiseLevel, Request.Series,
                                             Request.Units.Altitude != 0, false),
                      Captions.OilPressure},
                     false}};
        for (const Candidate& candidate : Out.Candidates) {
            const ModelRecord& model = Records[candidate.Position];
            Out.CandidateNumbers.append(NumbersOf(candidate.Result, model));
            Out.Grid.append(
                CandidateRow(Models.Names.value(candidate.Position),
                             PresentRating(candidate.Result, model, Request.Series, Style()),
                             candidate.Undersized));
        }
    }

    TSelectionDiagram DiagramOf(OperatingPoint Sized, const OilGrade& Oil,
                                const QList<ModelRecord>& Records, const Candidate& Shown) const {
        QList<int> positions;
        for (const Candidate& candidate : Out.Candidates)
            positions.append(candidate.Position);
        std::sort(positions.begin(), positions.end());
        QList<TDiagramModel> models;
        for (int position : positions)
            models.append({Models.Names.value(position), ChooseRecordOf(Records[position]),
                           position == Shown.Position});
        Sized.OilFlow = Shown.Result.OilFlow;
        TSelectionDiagram diagram =
            ComputeSelectionDiagram(Sized, Oil, models, Request.Units.Flow, Request.Units.Heat);
        diagram.FlowCaption = Captions.Group(TSelectionGroup::OilFlow);
        diagram.DissipationCaption = Captions.SpecificDissipation;
        return diagram;
    }

    void Show(int Position, const ModelRecord& Model, const Rating& Result) {
        Out.Calculated = true;
        Out.Model = Position;
        Out.Result = PresentRating(Result, Model, Request.Series, Style());
        Out.Numbers = NumbersOf(Result, Model);
        Out.RatedFlow = Result.OilFlow;
    }

    ShownNumbers NumbersOf(const Rating& Result, const ModelRecord& Model) const {
        return {ResultValuesOf(Result, Model, Style()), VerdictOf(Result)};
    }

    const SelectionRequest& Request;
    const SelectionCaptions& Captions;
    const ListedModels& Models;
    const CatalogueSource& Catalogue;
    OperatingPoint Point;
    SelectionOutcome Out;
};

} // namespace

bool SelectionOutcome::Succeeded() const {
    return Calculated && std::none_of(Messages.cbegin(), Messages.cend(),
                                      [](const auto& m) { return m.Kind == TMessageKind::Error; });
}

SelectionOutcome RunScriptedSelection(const SelectionRequest& Request,
                                      const SelectionCaptions& Captions, const ListedModels& Models,
                                      const CatalogueSource& Catalogue) {
    return ScriptedPage(Request, Captions, Models, Catalogue).Run();
}

TSelectionReportData ReportDataOf(const SelectionRequest& Request, const SelectionOutcome& Outcome,
                                  const ListedModels& Models) {
    TSelectionReportData data;
    data.Series = Request.Series;
    data.InletTempHeld = false; // the scripted page keeps the cooling required
    data.ModelName = Models.Names.value(Outcome.Model);
    data.CatalogueName = Models.CatalogueNames.value(Outcome.Model);
    data.OilGrade = OilGradeItems().value(Request.OilGrade);
    for (int i = 0; i < TSelectionReportData::InputCount; ++i) {
        const TSelectionEntry entry = SelectionEntries[i];
        data.Inputs[i] = {Outcome.EntryTexts[i],
                          UnitItems(entry).value(UnitOf(Request.Units, entry))};
    }
    CopyResultsInto(data, Outcome.Result);
    return data;
}
