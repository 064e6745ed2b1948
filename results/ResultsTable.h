#pragma once
// The results table: its column captions, the texts of its rows, and the whole table
// as text. One source for the results list and for the table the command line writes.
#include "calc/CapacitorSweep.h"
#include "core/AnsiString.h"
#include "results/InputTexts.h"
#include "results/RowTexts.h"

#include <functional>
#include <string>
#include <vector>

// Мн, attenuation, capacitance.
std::vector<AnsiString> ResultCaptions();

// The three texts of each sweep row in column order, every quantity written with the
// picture "0.0000"; afterRow runs once after each row.
TRowTexts ResultRowTexts(const std::vector<TSweepRow>& rows, const std::function<void()>& afterRow = {});

// The table for the inputs, read and checked as the five fields are for Calculate,
// as TableText writes it. EConvertError for a text that does not parse, Exception with
// the InputsFault message for inputs out of range, and the sweep's own errors.
std::string ResultsTableText(const TInputTexts& texts, char separator);
