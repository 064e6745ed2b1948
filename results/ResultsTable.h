#pragma once
// The results table: its column captions, the texts of its rows, and the whole table
// as text. One source for the results list and for the table the command line writes.
#include "calc/CapacitorSweep.h"
#include "calc/StandardSeries.h"
#include "core/AnsiString.h"
#include "results/InputTexts.h"
#include "results/ResultRows.h"
#include "results/TableText.h"

#include <optional>
#include <string>
#include <vector>

// Мн, attenuation, capacitance.
std::vector<AnsiString> ResultCaptions();

// The table for the inputs, read and checked as the five fields are for Calculate, as
// TableText writes it, with the standard columns of the series when one is given, handed
// to write in pieces once the sweep has succeeded: an error comes before any of it.
// EConvertError for a text that does not parse, Exception with the InputsFault message
// for inputs out of range, and the sweep's own errors.
void WriteResultsTable(const TInputTexts& texts, char separator, std::optional<TStandardSeries> series,
                       const TTextSink& write);
