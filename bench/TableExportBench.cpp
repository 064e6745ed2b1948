// A million-row results list copied to the clipboard and saved as CSV, each through
// the list's own commands.
#include "app/ListCommands.h"
#include "app/ListView.h"
#include "results/ResultsTable.h"
#include "ui/KelvMain1Layout.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Мн from 1,000001 to 2 in steps of 0,000001: exactly the row bound.
const TSweepInputs kMillionRows{220, 50, 0.000001, 1.000001, 2.0000005};

std::unique_ptr<TListView> MillionRowList()
{
    auto list = std::make_unique<TListView>(nullptr, ResultColumns());
    list->Items().Assign(ResultRowTexts(CalcSweepRows(kMillionRows)));
    return list;
}

void CopyTable(benchmark::State& state)
{
    const auto list = MillionRowList();
    for (auto _ : state)
        list->Commands().CopyTable();
    state.counters["rows"] = list->Items().Count();
}

void SaveTable(benchmark::State& state)
{
    const auto list = MillionRowList();
    const QTemporaryDir folder;
    const QString path = folder.filePath("table.csv");
    for (auto _ : state)
        list->Commands().SaveTableTo(path);
    state.counters["rows"] = list->Items().Count();
}

BENCHMARK(CopyTable)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SaveTable)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
