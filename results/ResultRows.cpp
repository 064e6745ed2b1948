#include "results/ResultRows.h"

#include "numtext/DecimalSeparators.h"
#include "numtext/FourDecimals.h"

#include <stdexcept>

TResultRows::TResultRows(std::vector<TSweepRow> rows) : FRows(std::move(rows)), FDecimalChar(DecimalChar)
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
    const std::size_t index = Index(row, column);
    if (!FReplaced.empty())
        if (const auto replaced = FReplaced.find(index); replaced != FReplaced.end())
            return replaced->second;
    const TSweepRow& r = FRows[row];
    AnsiString text;
    AppendFourDecimals(text, column == 0 ? r.Mn : column == 1 ? r.Attenuation : r.Capacitance, FDecimalChar);
    return text;
}

void TResultRows::Replace(int row, int column, std::string_view text)
{
    FReplaced[Index(row, column)] = AnsiString(text);
}
