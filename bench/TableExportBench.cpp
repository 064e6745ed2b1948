// A million-row results table copied to the clipboard and saved as CSV, the way the
// results list's commands do it: the table's text, then the clipboard or the file.
#include "platform/Clipboard.h"
#include "platform/SaveFile.h"
#include "results/ResultsTable.h"
#include "results/TableText.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Мн from 1,000001 to 2 in steps of 0,000001: exactly the row bound.
const TSweepInputs kMillionRows{220, 50, 0.000001, 1.000001, 2.0000005};

const TRowTexts& MillionRows()
{
    static const TRowTexts rows = ResultRowTexts(CalcSweepRows(kMillionRows));
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

BENCHMARK(CopyTable)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SaveTable)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
