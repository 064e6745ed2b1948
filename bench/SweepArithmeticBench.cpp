// The bare arithmetic of a large sweep and of one phase response, without the
// list, the chart or number formatting.
#include "calc/CapacitorSweep.h"
#include "calc/PhaseResponse.h"

#include <benchmark/benchmark.h>

namespace {

// About 900 000 rows, just under the row bound.
const TSweepInputs kLargeSweep{220, 50, 0.000001, 1.000001, 1.9};

void BM_SweepRows(benchmark::State& state)
{
    std::size_t rows = 0;
    for (auto _ : state) {
        const auto table = CalcSweepRows(kLargeSweep);
        rows = table.size();
        benchmark::DoNotOptimize(table.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * rows));
}
BENCHMARK(BM_SweepRows)->Unit(benchmark::kMillisecond);

// The same sweep through the per-value functions, each checking its own flags.
void BM_SweepRowByRow(benchmark::State& state)
{
    std::int64_t rows = 0;
    for (auto _ : state) {
        rows = 0;
        for (double mn = kLargeSweep.From; mn >= kLargeSweep.From && mn <= kLargeSweep.To;
             mn = NextMn(mn, kLargeSweep.Step)) {
            benchmark::DoNotOptimize(SweepAttenuation(mn));
            benchmark::DoNotOptimize(SweepCapacitance(mn, kLargeSweep.F, kLargeSweep.Rc));
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_SweepRowByRow)->Unit(benchmark::kMillisecond);

void BM_PhaseResponse(benchmark::State& state)
{
    for (auto _ : state) {
        for (int n = 1; n <= kPhasePoints; ++n)
            benchmark::DoNotOptimize(PhaseShift(220, 1.0221, n));
    }
    state.SetItemsProcessed(state.iterations() * kPhasePoints);
}
BENCHMARK(BM_PhaseResponse)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
