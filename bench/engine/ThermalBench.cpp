#include "core/EngineState.h"
#include "engine/CoolerHlp.h"

#include <benchmark/benchmark.h>

// One evaluation of a model as the walk over a series does it: conductance, heat dissipation
// with the outlet air temperature, outlet oil temperature with its margin, pressure drop.
// Target: under 0.5 us.
static void BM_ThermalEvaluation(benchmark::State& state) {
    ResetEngineState();
    EngineState().InAltitude = 250;
    EngineState().OilCoeff = {1.2e-10, -4.4e-8, 6.9e-6, -5.9e-4, 0.029, -0.82, 11.2, 0.97};
    TCoolerHlp cooler;
    cooler.AirDensity500m = TCoolerHlp::AirDensity(500);
    double flow = 80;
    for (auto _ : state) {
        cooler.GetNormHeatConductivity(flow, 1.1e-7, -1.2e-4, 0.031, 0.35);
        cooler.ProcessPowerDissipation(60, 25, 0.97, 1.4);
        uint8_t warning = WR_NON;
        double inlet = 60;
        cooler.GetOilTempOutValue(warning, flow, cooler.ActualDissipation, inlet,
                                  cooler.AirTempOutValue);
        benchmark::DoNotOptimize(cooler.PressureDropAt(flow, (inlet + cooler.OilTempOutValue) / 2,
                                                       0.05, -0.02, 0.004, 0.01));
        flow = flow < 200 ? flow + 0.5 : 80;
    }
}
BENCHMARK(BM_ThermalEvaluation);
