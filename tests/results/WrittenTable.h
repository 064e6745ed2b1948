#pragma once
// The whole results table as the command line writes it, gathered into one string.
#include "results/ResultsTable.h"

#include <optional>
#include <string>
#include <string_view>

inline std::string WrittenResultsTable(const TInputTexts& texts, char separator,
                                       std::optional<TStandardSeries> series = std::nullopt)
{
    std::string out;
    WriteResultsTable(texts, separator, series, [&out](std::string_view piece) { out += piece; });
    return out;
}
