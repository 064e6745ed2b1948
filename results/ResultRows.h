#pragma once
// The results rows kept as their numbers and written with "0.0000" when a text is read:
// a million rows cost their 24 bytes each, and a Calculate writes no text it does not show.
#include "calc/CapacitorSweep.h"
#include "results/SweepTable.h"
#include "results/TableRows.h"

#include <unordered_map>
#include <vector>

class TResultRows : public TTableRows {
public:
    // The texts are written with the DecimalChar of now, as if they had been written
    // here: a later change of the locale does not rewrite them.
    explicit TResultRows(TSweepTable table);

    // The inputs and exact rows behind the texts.
    const TSweepTable& Table() const { return FTable; }

    // Мн, attenuation, capacitance.
    int Columns() const override { return 3; }
    int Count() const override { return static_cast<int>(FTable.Rows.size()); }
    AnsiString Text(int row, int column) const override;
    void AppendText(std::string& out, int row, int column) const override;
    void Replace(int row, int column, std::string_view text) override;

private:
    std::size_t Index(int row, int column) const;

    TSweepTable FTable;
    char FDecimalChar;
    std::unordered_map<std::size_t, AnsiString> FReplaced; // by row * Columns() + column
};

// The calculated table behind rows that are results rows; null for any other rows.
const TSweepTable* SweepTableOf(const TTableRows& rows);
