// A million-row results table copied to the clipboard and saved as CSV, the way the
// results list's commands do it: the table's text, then the clipboard or the file; and
// the table's text alone, plain and with the standard columns of a series.
#include "platform/Clipboard.h"
#include "platform/SaveFile.h"
#include "results/ResultsTable.h"
#include "results/StandardColumns.h"
#include "results/TableText.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Мн from 1,000001 to 2 in steps of 0,000001: exactly the row bound.
const TSweepInputs kMillionRows{220, 50, 0.000001, 1.000001, 2.0000005};

const TResultRows& MillionRows()
{
    static const TResultRows rows({kMillionRows, CalcSweepRows(kMillionRows)});
    return rows;
}

std::string Table(char separator)
{
    return TableText(ResultCaptions(), MillionRows(), 0, MillionRows().Count(), separator);
}

void CopyTable(benchmark::State& state)
{
    for (auto _ : state)
        SetClipboardText(Table('\t'));
    state.counters["rows"] = MillionRows().Count();
}

void SaveTable(benchmark::State& state)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath("table.csv");
    for (auto _ : state)
        SaveFile(path, Table(CsvSeparator()));
    state.counters["rows"] = MillionRows().Count();
}

void PlainTableText(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Table('\t'));
    state.counters["rows"] = MillionRows().Count();
}

void StandardColumnsTableText(benchmark::State& state)
{
    const auto series = static_cast<TStandardSeries>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            StandardTableText(ResultCaptions(), MillionRows(), MillionRows().Table(), series, 0, MillionRows().Count(), '\t'));
    state.counters["rows"] = MillionRows().Count();
}

BENCHMARK(PlainTableText)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StandardColumnsTableText)->Arg(ssE6)->Arg(ssE24)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CopyTable)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SaveTable)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
