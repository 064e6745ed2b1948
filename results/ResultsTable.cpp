#include "results/ResultsTable.h"

#include "core/Exception.h"
#include "results/StandardColumns.h"
#include "results/TableText.h"

std::vector<AnsiString> ResultCaptions()
{
    return {AnsiFromUtf8("Мн"), AnsiFromUtf8("Ослабление,дб"), AnsiFromUtf8("Сс,мкФ")};
}

void WriteResultsTable(const TInputTexts& texts, char separator, std::optional<TStandardSeries> series,
                       const TTextSink& write)
{
    const TSweepInputs inputs = ReadSweepInputs(texts);
    if (const auto fault = InputsFault(inputs))
        throw Exception(*fault);
    const TResultRows rows({inputs, CalcSweepRows(inputs)});
    if (series)
        write(StandardTableText(ResultCaptions(), rows, rows.Table(), *series, 0, rows.Count(), separator));
    else
        WriteTableText(ResultCaptions(), rows, 0, rows.Count(), separator, write);
}
