#pragma once
// What the window of standard values shows for one row of the table: a line naming the
// row, then for E6, E12 and E24 the value at or above the row's Сс and the value below,
// each with what it gives.
#include "calc/StandardSeries.h"
#include "core/AnsiString.h"
#include "results/RowTexts.h"
#include "results/SweepTable.h"

#include <optional>
#include <string>
#include <vector>

// «Ряд», «Номинал», «Сс,мкФ», «Мн», «Ослабление,дб», «Фаза,°», «f для Мн,Гц».
std::vector<AnsiString> StandardReportCaptions();

struct TStandardReport {
    AnsiString Heading;
    TRowTexts Rows{7}; // as many columns as captions
};

// The report of row (counted from 0) of the table; without a row, a heading that says so
// and no rows. A value that does not exist is written "—" in every column but the first.
// Errors of the arithmetic go to the caller.
TStandardReport MakeStandardReport(const TSweepTable& table, std::optional<int> row);

// The heading line, then the captions and the report's rows between tabs, as the list's
// rows copy.
std::string StandardReportText(const AnsiString& heading, const TTableRows& rows);
