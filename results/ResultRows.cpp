#include "results/ResultRows.h"

#include "numtext/DecimalSeparators.h"
#include "numtext/FourDecimals.h"

#include <stdexcept>

TResultRows::TResultRows(TSweepTable table) : FTable(std::move(table)), FDecimalChar(DecimalChar)
{
}

std::size_t TResultRows::Index(int row, int column) const
{
    if (row < 0 || row >= Count() || column < 0 || column >= Columns())
        throw std::out_of_range("no such row text");
    return static_cast<std::size_t>(row) * Columns() + column;
}

AnsiString TResultRows::Text(int row, int column) const
{
    AnsiString text;
    AppendText(text, row, column);
    return text;
}

void TResultRows::AppendText(std::string& out, int row, int column) const
{
    const std::size_t index = Index(row, column);
    if (!FReplaced.empty())
        if (const auto replaced = FReplaced.find(index); replaced != FReplaced.end()) {
            out += replaced->second;
            return;
        }
    const TSweepRow& r = FTable.Rows[row];
    AppendFourDecimals(out, column == 0 ? r.Mn : column == 1 ? r.Attenuation : r.Capacitance, FDecimalChar);
}

const TSweepTable* SweepTableOf(const TTableRows& rows)
{
    const auto* results = dynamic_cast<const TResultRows*>(&rows);
    return results ? &results->Table() : nullptr;
}

void TResultRows::Replace(int row, int column, std::string_view text)
{
    FReplaced[Index(row, column)] = AnsiString(text);
}
