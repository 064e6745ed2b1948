// The extended-precision operations one by one, on the path this build runs (the
// hardware, or the software with KELVORIN_SOFT_EXTENDED), over arguments like the
// sweep's Мн.
#include "core/Extended.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<TExtended> Arguments()
{
    std::vector<TExtended> values;
    for (double m = 1.000001; m < 1.9; m += 0.000931)
        values.push_back(m);
    return values;
}

template <class Op>
void Unary(benchmark::State& state, Op op)
{
    const std::vector<TExtended> values = Arguments();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(op(values[i]));
        if (++i == values.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(Unary, add, [](TExtended x) { return x + x * 0.5; });
BENCHMARK_CAPTURE(Unary, multiply, [](TExtended x) { return x * x; });
BENCHMARK_CAPTURE(Unary, divide, [](TExtended x) { return TExtended(159) / x; });
BENCHMARK_CAPTURE(Unary, sqrt, [](TExtended x) { return Sqrt(x); });
BENCHMARK_CAPTURE(Unary, to_double, [](TExtended x) { return (x / 3).ToDouble(); });
BENCHMARK_CAPTURE(Unary, log10, [](TExtended x) { return Log10(x); });
BENCHMARK_CAPTURE(Unary, arctan, [](TExtended x) { return ArcTan(x); });

} // namespace

BENCHMARK_MAIN();
