#pragma once
// The three columns a table gains when a standard series is chosen: the value of the
// series at or above the row's Сс, the Мн it gives and its attenuation.
#include "calc/StandardSeries.h"
#include "core/AnsiString.h"
#include "results/TableRows.h"
#include "results/SweepTable.h"

#include <string>
#include <vector>

// "—", written for a value or quantity that does not exist.
AnsiString MissingText();

// The value in µF with the picture "0.0000", then its marking: «0,1000 (0,1 мкФ)».
AnsiString StandardValueText(const TStandardValue& value);

// «Сс E12,мкФ», «Мн E12», «Ослабление E12,дб».
std::vector<AnsiString> StandardCaptions(TStandardSeries series);

// The table text of count rows of the shown texts from first, as TableText writes it,
// each row followed by the standard columns of the same row of the table. A row whose
// Сс has no value at or above it in the series gets "—" in all three.
std::string StandardTableText(const std::vector<AnsiString>& captions, const TTableRows& shown,
                              const TSweepTable& table, TStandardSeries series, int first, int count, char separator);
