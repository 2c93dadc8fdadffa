#include "engine/OilGrade.h"
#include "engine/Sizing.h"
#include "engine/ThermalModel.h"

#include <benchmark/benchmark.h>

// One evaluation of a model as the walk over a series does it: conductance, heat dissipation
// with the outlet air temperature, outlet oil temperature with its margin, pressure drop.
// Target: under 0.5 us.
static void BM_ThermalEvaluation(benchmark::State& state) {
    const OilGrade oil({1.2e-10, -4.4e-8, 6.9e-6, -5.9e-4, 0.029, -0.82, 11.2, 0.97});
    ThermalModel cooler({25, 250, oil.CoolingCorrection(), 3});
    ModelRecord model{};
    model[Catalogue::CoeffE] = 0.05;
    model[Catalogue::CoeffF] = -0.02;
    model[Catalogue::CoeffG] = 0.004;
    model[Catalogue::CoeffH] = 0.01;
    double flow = 80;
    for (auto _ : state) {
        cooler.SetConductance(flow, 1.1e-7, -1.2e-4, 0.031, 0.35);
        cooler.Evaluate(60, 1.4);
        double inlet = 60;
        cooler.SetOutletOilTemp(flow, cooler.Dissipation, inlet, cooler.AirTempOut);
        benchmark::DoNotOptimize(PressureDropOf(model, oil, flow, (inlet + cooler.OilTempOut) / 2));
        flow = flow < 200 ? flow + 0.5 : 80;
    }
}
BENCHMARK(BM_ThermalEvaluation);
