// Cost of one number text conversion: the sweep writes three "0.0000" texts per row
// (about 2.7 million in the longest sweep) and parses its inputs and the selected row.
#include "numtext/DecimalSeparators.h"
#include "numtext/FormatDecimal.h"
#include "numtext/FourDecimals.h"
#include "numtext/ParseDecimal.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// The three columns of sweep rows: the distortion factor, its attenuation in decibels
// and the capacitance in microfarads for Rc = 220 kOhm and f = 20 Hz.
std::vector<double> SweepColumns()
{
    std::vector<double> values;
    for (double m = 1.0001; m < 1.5; m += 0.0005) {
        values.push_back(m);
        values.push_back(20 * std::log10(m));
        values.push_back(159 / (std::sqrt(m * m - 1) * 20 * 220));
    }
    return values;
}

template <class Write>
void Format(benchmark::State& state, Write write, const std::vector<double>& values)
{
    DecimalChar = ',';
    GroupChar = '\xA0';
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(write(values[i]));
        if (++i == values.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

void Format(benchmark::State& state, const char* picture, const std::vector<double>& values)
{
    Format(state, [picture](double value) { return FormatDecimal(picture, value); }, values);
}

void BM_FormatFixed4(benchmark::State& state)
{
    Format(state, "0.0000", SweepColumns());
}
BENCHMARK(BM_FormatFixed4);

// The same texts from the results' own path.
void BM_FourDecimals(benchmark::State& state)
{
    Format(state, [](double value) { return FormatFourDecimals(value); }, SweepColumns());
}
BENCHMARK(BM_FourDecimals);

void BM_FormatAxisLabel(benchmark::State& state)
{
    Format(state, "#,##0.###", {0, 0.002, 0.25, 1.5, 12.5, 250, 1500, 20000, 1234567.5});
}
BENCHMARK(BM_FormatAxisLabel);

void BM_FormatGeneral(benchmark::State& state)
{
    Format(state, "", {1.0 / 3, 1.5e30, 0.00001, 123456.789, -2.5});
}
BENCHMARK(BM_FormatGeneral);

void BM_ParseDecimal(benchmark::State& state)
{
    DecimalChar = ',';
    const std::vector<std::string> texts = {"1,0001", "1,0250", "0,0001", "220", " 20 ", "0,1234"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseDecimal(texts[i]));
        if (++i == texts.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseDecimal);

} // namespace
