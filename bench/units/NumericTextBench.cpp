#include "units/NumericText.h"

#include <benchmark/benchmark.h>

// One number written as the result panel writes it. Target: under 1 us.
static void BM_FormatFixed(benchmark::State& state) {
    double value = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFixed(value, 10, 2));
        value += 0.001;
    }
}
BENCHMARK(BM_FormatFixed);

static void BM_FormatFixedSmall(benchmark::State& state) {
    double value = 0.0421;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFixed(value, 8, 4));
        value += 1e-7;
    }
}
BENCHMARK(BM_FormatFixedSmall);
