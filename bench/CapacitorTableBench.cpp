// The whole Calculate path (sweep, list rows, chart points) against the bare
// arithmetic, and the phase response.
#include "app/Edit.h"
#include "app/ListView.h"
#include "calc/CapacitorSweep.h"
#include "ui/KelvMain1.h"

#include <benchmark/benchmark.h>

namespace {

struct TSweepCase {
    const char* From;
    const char* To;
    const char* Step;
    TSweepInputs Inputs;
};

const TSweepCase kLarge{"1,000001", "1,9", "0,000001", {220, 50, 0.000001, 1.000001, 1.9}};
const TSweepCase kDefault{"1,0001", "1,0250", "0,0001", {220, 50, 0.0001, 1.0001, 1.025}};

void Enter(TForm1& form, const TSweepCase& c)
{
    form.Edit1->SetText("220");
    form.Edit2->SetText("50");
    form.Edit3->SetText(c.From);
    form.Edit4->SetText(c.To);
    form.Edit5->SetText(c.Step);
}

void CapacitorTable(benchmark::State& state, const TSweepCase& c)
{
    TForm1 form;
    Enter(form, c);
    for (auto _ : state)
        form.CalcCapacitorTable();
    state.counters["rows"] = form.List->Items().Count();
}

void BareArithmetic(benchmark::State& state, const TSweepCase& c)
{
    std::size_t rows = 0;
    for (auto _ : state) {
        auto result = CalcSweepRows(c.Inputs);
        rows = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void PhaseResponse(benchmark::State& state)
{
    TForm1 form;
    for (auto _ : state)
        form.PlotPhaseResponse(1.0221);
    state.counters["points"] = form.Series2.PointCount();
}

BENCHMARK_CAPTURE(CapacitorTable, large_900k, kLarge)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BareArithmetic, large_900k, kLarge)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(CapacitorTable, default_250, kDefault)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK_CAPTURE(BareArithmetic, default_250, kDefault)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(PhaseResponse)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
