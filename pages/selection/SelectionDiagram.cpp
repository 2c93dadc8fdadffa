#include "pages/selection/SelectionDiagram.h"

#include "engine/Sizing.h"
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
        TUnitConv::FlowFromLiterPerMin(decimals, static_cast<float>(FlowLiterPerMin), FlowUnit);
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, shown);
    double value = shown;
    std::from_chars(text, written.ptr, value);
    return value;
}

// The flows (l/min) at which a model is drawn.
QList<double> CurveFlows(const ChooseRecord& Model, bool PumpFlow, float OperatingFlow) {
    if (PumpFlow)
        return {PumpFlowOf(Model)};
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

TSelectionDiagram ComputeSelectionDiagram(const OperatingPoint& Point, const OilGrade& Oil,
                                          const QList<TDiagramModel>& Models, int FlowUnit,
                                          int HeatUnit) {
    TSelectionDiagram diagram;
    diagram.FlowUnit = FlowUnit;
    diagram.HeatUnit = HeatUnit;
    const double temperatureDifference = static_cast<double>(Point.MaxInletOilTemp) - Point.AirTemp;
    if (temperatureDifference > 0)
        diagram.OperatingPoint = {ShownFlow(Point.OilFlow, FlowUnit),
                                  Point.CoolingRequired / temperatureDifference};

    ThermalModel model(ConditionsOf(Point, Oil));
    const bool pumpFlow = RunsAtPumpFlow(Point.Series);
    for (const TDiagramModel& candidate : Models) {
        TDiagramCurve curve{candidate.Name, candidate.Chosen, {}};
        for (double flow : CurveFlows(candidate.Data, pumpFlow, Point.OilFlow)) {
            if (model.EvaluateAt(candidate.Data, flow, Point.MaxInletOilTemp) &&
                std::isfinite(model.SpecificDissipation))
                curve.Points.append({ShownFlow(flow, FlowUnit), model.SpecificDissipation});
        }
        diagram.Curves.append(curve);
    }
    return diagram;
}
