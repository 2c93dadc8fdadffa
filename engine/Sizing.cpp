#include "engine/Sizing.h"

#include <algorithm>
#include <cmath>

namespace {

// The rows the candidates list has room for.
constexpr int MaxCandidates = 4;

// The first run of a rating: the model at `Flow` with the oil entering at `InletTemp`, or at
// the maximum when none is given. Every input is checked each time; none is ever changed.
Rating RateOnce(const OperatingPoint& Point, float Flow, const ModelRecord& Model,
                const OilGrade& Oil, std::optional<double> InletTemp) {
    using namespace Catalogue;
    Rating rating;
    rating.OilFlow = Flow;
    const auto refuse = [&](TLimitResultError code) {
        rating.Refusal = RatingRefusal{code, Model[MinFlow], Model[MaxFlow]};
        return rating;
    };

    TLimitResultError check = CheckOperatingPoint(Point);
    // Equal flow limits (both zero, or a pump's fixed flow) switch the flow check off; a flow
    // whose conversion overflowed lies outside every range.
    if (check == LR_OK &&
        (!std::isfinite(Flow) ||
         (Model[MinFlow] != Model[MaxFlow] && (Flow < Model[MinFlow] || Flow > Model[MaxFlow]))))
        check = LR_FLOW_ERR;
    ThermalModel model(ConditionsOf(Point, Oil));
    if (check == LR_OK) {
        model.SetConductance(Flow, Model[CoeffA], Model[CoeffB], Model[CoeffC], Model[CoeffD]);
        if (model.SpecificDissipationAtLastAir() == 0)
            check = LR_SPEC_HEAT_DISSI_ERR;
    }
    if (check != LR_OK)
        return refuse(check);

    double inlet = InletTemp.value_or(Point.MaxInletOilTemp);
    // A model that cannot be evaluated here has no heat dissipation to show.
    if (!model.Evaluate(inlet, Model[AirFlow]))
        return refuse(LR_SPEC_HEAT_DISSI_ERR);
    rating.OutletMarginKept =
        model.SetOutletOilTemp(Flow, model.Dissipation, inlet, model.AirTempOut);
    rating.InletOilTemp = inlet;
    rating.OutletOilTemp = model.OilTempOut;
    rating.OutletAirTemp = model.AirTempOut;
    rating.Dissipation = model.Dissipation;
    rating.SpecificDissipation = model.LastSpecificDissipation;
    rating.PressureDrop = PressureDropOf(Model, Oil, Flow, (inlet + model.OilTempOut) / 2);
    return rating;
}

// Whether the model meets the duty with the maximum inlet oil temperature at `MaxInletTemp`:
// it removes the required cooling at `OilFlow`, and the inlet temperature it is calculated at
// stays within that maximum.
bool MeetsDutyAt(ThermalModel& Model, const ChooseRecord& Record, double OilFlow,
                 const OperatingPoint& Point, double MaxInletTemp) {
    if (!Model.EvaluateAt(Record, OilFlow, MaxInletTemp) ||
        Model.Dissipation < Point.CoolingRequired)
        return false;
    return Model.CalculatedInletTemp(Record, OilFlow, Point.InletTempHeld, Point.CoolingRequired) <=
           MaxInletTemp;
}

bool FlowAdmitted(const ChooseRecord& Model, bool PumpFlow, double Flow) {
    return PumpFlow || (Model.MinFlow <= Flow && Flow <= Model.MaxFlow);
}

// The oil-air difference (maximum inlet oil temperature minus air temperature, K) from which
// some model meets the duty at this point, within the input limits; none when no difference up
// to them helps.
std::optional<double> NeededOilAirDifference(ThermalModel& Model, const QList<ChooseRecord>& Table,
                                             const OperatingPoint& Point, float EnteredFlow) {
    const bool pumpFlow = RunsAtPumpFlow(Point.Series);
    const double highest = MaxInletOilTemp - Point.AirTemp;
    std::optional<double> needed;
    for (const ChooseRecord& record : Table) {
        const double flow = pumpFlow ? PumpFlowOf(record) : EnteredFlow;
        if (!FlowAdmitted(record, pumpFlow, flow) ||
            !MeetsDutyAt(Model, record, flow, Point, Point.AirTemp + highest))
            continue;
        // The duty is met from some difference on: the smallest is found by halving.
        double fails = Point.MaxInletOilTemp - Point.AirTemp;
        double meets = highest;
        while (meets - fails > 0.01) {
            const double middle = (fails + meets) / 2;
            (MeetsDutyAt(Model, record, flow, Point, Point.AirTemp + middle) ? meets : fails) =
                middle;
        }
        needed = std::min(needed.value_or(meets), meets);
    }
    return needed;
}

} // namespace

bool RunsAtPumpFlow(TCoolerType Series) {
    return Series != AC_Cooler && Series != DC_Cooler && Series != Cooler_System;
}

CoolingConditions ConditionsOf(const OperatingPoint& Point, const OilGrade& Oil) {
    return {Point.AirTemp, Point.Altitude, Oil.CoolingCorrection(), Point.OutletOilAirMargin};
}

ChooseRecord ChooseRecordOf(const ModelRecord& Model) {
    using namespace Catalogue;
    return {static_cast<float>(Model[CoeffA]),  static_cast<float>(Model[CoeffB]),
            static_cast<float>(Model[CoeffC]),  static_cast<float>(Model[CoeffD]),
            static_cast<float>(Model[CoeffE]),  static_cast<float>(Model[MinFlow]),
            static_cast<float>(Model[MaxFlow]), static_cast<float>(Model[AirFlow])};
}

float PumpFlowOf(const ChooseRecord& Model) {
    return static_cast<float>(std::floor(Model.MaxFlow + 0.5));
}

double PressureDropOf(const ModelRecord& Model, const OilGrade& Oil, double OilFlow,
                      double MeanTemp) {
    using namespace Catalogue;
    const double correction =
        Oil.ViscosityCorrection(static_cast<float>(std::min(MeanTemp, 100.0)));
    // The roots of a flow that is not positive are taken as zero: no flow, no flow losses.
    const double q = std::max(OilFlow, 0.0);
    const double fourthRoot = q > 0 ? std::exp(0.25 * std::log(q)) : 0;
    const double squareRoot = q > 0 ? std::exp(0.5 * std::log(q)) : 0;
    const double flowPart =
        Model[CoeffE] * fourthRoot + Model[CoeffF] * squareRoot + Model[CoeffG] * q + Model[CoeffH];
    return correction * flowPart * 100;
}

TLimitResultError CheckOperatingPoint(const OperatingPoint& Point) {
    if (Point.MaxInletOilTemp < MinInletOilTemp || Point.MaxInletOilTemp > MaxInletOilTemp)
        return LR_OIL_TEMP_ERR;
    if (Point.AirTemp < MinAirTemp || Point.AirTemp > MaxAirTemp)
        return LR_AIR_TEMP_ERR;
    if (Point.Altitude < MinAltitude || Point.Altitude > MaxAltitude)
        return LR_ATITUDE_ERR;
    if (Point.CoolingRequired < MinCoolingRequired || Point.CoolingRequired > MaxCoolingRequired)
        return LR_HEAT_DISSI_ERR;
    if (Point.AirTemp > Point.MaxInletOilTemp)
        return LR_INOIL_AIR_TEMP_ERR;
    return LR_OK;
}

Rating Rate(const OperatingPoint& Point, const ModelRecord& Model, const OilGrade& Oil) {
    const float flow = RunsAtPumpFlow(Point.Series)
                           ? static_cast<float>(std::floor(Point.OilFlow + 0.5))
                           : Point.OilFlow;
    Rating rating = RateOnce(Point, flow, Model, Oil, std::nullopt);
    if (!rating.Rated())
        return rating;
    // The shortfall is judged at the maximum inlet temperature, whatever the solving gives.
    rating.RemovesTooLittle = rating.Dissipation < Point.CoolingRequired;
    if (!Point.InletTempHeld) {
        // The inlet temperature at which the model removes exactly the cooling required; a
        // few runs settle it. It is a result: the user's maximum stays as it is.
        for (int run = 0; run < ThermalModel::InletSolvingRuns; ++run) {
            const float inlet = Point.CoolingRequired / rating.SpecificDissipation + Point.AirTemp;
            Rating solved = RateOnce(Point, flow, Model, Oil, inlet);
            if (!solved.Rated()) {
                rating.SolvingRefusal = solved.Refusal;
                break;
            }
            solved.RemovesTooLittle = rating.RemovesTooLittle;
            rating = solved;
        }
    }
    rating.InletAboveMaximum = rating.InletOilTemp > Point.MaxInletOilTemp;
    return rating;
}

SizingResult Size(const OperatingPoint& Point, std::span<const ModelRecord> Models,
                  const OilGrade& Oil) {
    SizingResult result;
    result.InputRefusal = CheckOperatingPoint(Point);
    if (result.InputRefusal != LR_OK) {
        result.Outcome = SizingOutcome::InputRefused;
        return result;
    }
    const bool pumpFlow = RunsAtPumpFlow(Point.Series);
    const float enteredFlow =
        pumpFlow ? static_cast<float>(std::floor(Point.OilFlow + 0.5)) : Point.OilFlow;
    if (!pumpFlow && enteredFlow < 0.01f) {
        result.Outcome = SizingOutcome::NoOilFlow;
        return result;
    }

    QList<ChooseRecord> table;
    table.reserve(static_cast<qsizetype>(Models.size()));
    for (const ModelRecord& model : Models)
        table.append(ChooseRecordOf(model));

    ThermalModel walker(ConditionsOf(Point, Oil));
    // A model that removes the cooling within its flow range, but only with its inlet oil
    // raised above the maximum to keep the outlet margin: the air is too close to the maximum.
    bool inletRaisedAboveMaximum = false;
    int chosen = -1;
    for (int i = 0; i < table.size() && chosen < 0; ++i) {
        const ChooseRecord& model = table[i];
        const float flow = pumpFlow ? PumpFlowOf(model) : enteredFlow;
        const bool evaluated = walker.EvaluateAt(model, flow, Point.MaxInletOilTemp);
        walker.SetOutletOilTemp(flow, walker.Dissipation, walker.InletTemp, walker.AirTempOut);
        if (!evaluated || walker.Dissipation < Point.CoolingRequired)
            continue; // unsuitable at this point, or too small
        if (!FlowAdmitted(model, pumpFlow, flow))
            continue;
        if (walker.CalculatedInletTemp(model, flow, Point.InletTempHeld, Point.CoolingRequired) >
            Point.MaxInletOilTemp) {
            inletRaisedAboveMaximum = true;
            continue;
        }
        // Confirmed by the full calculation at the flow the model was judged at.
        const Rating confirmed = RateOnce(Point, flow, Models[i], Oil, std::nullopt);
        if (confirmed.Rated() && confirmed.OutletMarginKept)
            chosen = i;
    }

    if (chosen < 0) {
        const std::optional<double> needed =
            inletRaisedAboveMaximum ? NeededOilAirDifference(walker, table, Point, enteredFlow)
                                    : std::nullopt;
        result.Outcome = needed ? SizingOutcome::AirTooClose : SizingOutcome::NoCooler;
        result.NeededDifference = needed.value_or(0);
        return result;
    }

    result.Candidates.reserve(MaxCandidates);
    // A smaller neighbour is listed even when it falls short, so the user sees how close it
    // comes; a larger one only when it suffices.
    for (int offset : {0, +1, -1}) {
        const int position = chosen + offset;
        if (position < 0 || position >= table.size() || result.Candidates.size() >= MaxCandidates)
            continue;
        OperatingPoint point = Point;
        if (pumpFlow) // each cooling system is listed as it runs: at its own pump's flow
            point.OilFlow = PumpFlowOf(table[position]);
        const Rating rating = Rate(point, Models[position], Oil);
        const bool undersized = rating.RemovesTooLittle || rating.InletAboveMaximum;
        if (!rating.Rated() || (undersized && position >= chosen))
            continue;
        result.Candidates.append({position, rating, undersized});
    }
    // Not even the chosen model could be listed: there is nothing to show.
    result.Outcome = result.Candidates.isEmpty() ? SizingOutcome::NoCooler : SizingOutcome::Chosen;
    return result;
}
