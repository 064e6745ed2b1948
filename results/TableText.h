#pragma once
// A table's rows as text for other programs: fields between tabs for the clipboard (a
// spreadsheet pastes them as cells), or CSV for files.
#include "core/AnsiString.h"
#include "results/RowTexts.h"

#include <string>
#include <vector>

// UTF-8 text: a line of the captions, then a line for each of count rows from first,
// fields separated by separator and every line ending in "\n". A field that holds the
// separator, a double quote or a line break is put in double quotes with its quotes
// doubled, so that it stays one field.
std::string TableText(const std::vector<AnsiString>& captions, const TRowTexts& rows, int first, int count,
                      char separator);

// The CSV field separator, never the decimal character: ";" where DecimalChar is a
// comma, "," otherwise.
char CsvSeparator();
