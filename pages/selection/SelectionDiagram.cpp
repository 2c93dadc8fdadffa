#include "pages/selection/SelectionDiagram.h"

#include "engine/CoolerHlp.h"
#include "engine/CoolerSeries.h"
#include "units/UnitConv.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// A flow as the page shows it: converted in single precision like every entry, then held as the
// shortest decimal that reads back as that value, so 1/60 m³/h is 0.016666668, not
// 0.01666666753590107.
double ShownFlow(double FlowLiterPerMin, int FlowUnit) {
    int decimals = 0;
    const float shown =
        TUnitConv().FlowFromLiterPerMin(decimals, static_cast<float>(FlowLiterPerMin), FlowUnit);
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, shown);
    double value = shown;
    std::from_chars(text, written.ptr, value);
    return value;
}

// The flows (l/min) at which a model is drawn.
QList<double> CurveFlows(const TCoolChooseRec& Model, bool PumpFlow, float OperatingFlow) {
    if (PumpFlow)
        return {TCoolerSeries::PumpFlowOf(Model)};
    const double smallest = Model.MinFlow;
    const double largest = Model.MaxFlow;
    if (!(smallest <= largest))
        return {};
    QList<double> flows;
    for (int i = 0; i < DiagramCurvePoints; ++i)
        flows.append(smallest + (largest - smallest) * i / (DiagramCurvePoints - 1));
    // The walk's own test of the flow range, in its own precision.
    if (Model.MinFlow <= OperatingFlow && OperatingFlow <= Model.MaxFlow)
        flows.append(OperatingFlow);
    std::sort(flows.begin(), flows.end());
    flows.erase(std::unique(flows.begin(), flows.end()), flows.end());
    return flows;
}

} // namespace

TSelectionDiagram ComputeSelectionDiagram(const QList<TDiagramModel>& Models, bool PumpFlow,
                                          int FlowUnit, int HeatUnit) {
    TEngineState& s = EngineState();
    const float lastSpecHeat = s.LastSpecHeat; // the inlet temperature is solved with it

    TSelectionDiagram diagram;
    diagram.FlowUnit = FlowUnit;
    diagram.HeatUnit = HeatUnit;
    const double temperatureDifference = static_cast<double>(s.InMaxOilTemp) - s.InAirTemp;
    if (temperatureDifference > 0)
        diagram.OperatingPoint = {ShownFlow(s.InOilFlow, FlowUnit),
                                  s.InHeatDissi / temperatureDifference};

    TCoolerHlp model;
    model.AirDensity500m = TCoolerHlp::AirDensity(TCoolerHlp::ReferenceAltitude);
    const double oilCorrection = TCoolerHlp::CoolCorrFactor();
    for (const TDiagramModel& candidate : Models) {
        TDiagramCurve curve{candidate.Name, candidate.Chosen, {}};
        for (double flow : CurveFlows(candidate.Data, PumpFlow, s.InOilFlow)) {
            if (model.EvaluateChooseRec(candidate.Data, flow, oilCorrection) &&
                std::isfinite(model.SpecHeatDissiValue))
                curve.Points.append({ShownFlow(flow, FlowUnit), model.SpecHeatDissiValue});
        }
        diagram.Curves.append(curve);
    }
    s.LastSpecHeat = lastSpecHeat;
    return diagram;
}
