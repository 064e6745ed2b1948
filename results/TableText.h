#pragma once
// A table's rows as text for other programs: fields between tabs for the clipboard (a
// spreadsheet pastes them as cells), or CSV for files.
#include "core/AnsiString.h"
#include "results/TableRows.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Takes text a piece at a time.
using TTextSink = std::function<void(std::string_view)>;

// UTF-8 text: a line of the captions, then a line for each of count rows from first,
// fields separated by separator and every line ending in "\n". A field that holds the
// separator, a double quote or a line break is put in double quotes with its quotes
// doubled, so that it stays one field.
std::string TableText(const std::vector<AnsiString>& captions, const TTableRows& rows, int first, int count,
                      char separator);
// The same text handed to write in pieces of some 64 KB as it is made, so that a long
// table going to a file needs no buffer of its whole length.
void WriteTableText(const std::vector<AnsiString>& captions, const TTableRows& rows, int first, int count,
                    char separator, const TTextSink& write);

// The CSV field separator, never the decimal character: ";" where DecimalChar is a
// comma, "," otherwise.
char CsvSeparator();
