#pragma once
// The texts of many rows packed into one buffer, a few bytes per text instead of a
// string object each, so that a million rows cost little more than their characters.
#include "core/AnsiString.h"
#include "results/TableRows.h"

#include <cstdint>
#include <string_view>
#include <vector>

class TRowTexts : public TTableRows {
public:
    explicit TRowTexts(int columns) : FColumns(columns) {}

    int Columns() const override { return FColumns; }
    // A row still being appended does not count.
    int Count() const override { return static_cast<int>(FRefs.size() / FColumns); }

    // Appends the next text, filling rows column by column.
    void Append(std::string_view text);
    AnsiString Text(int row, int column) const override;
    // The old characters stay in the buffer unused.
    void Replace(int row, int column, std::string_view text) override;

private:
    struct TRef {
        std::uint32_t Offset;
        std::uint32_t Length;
    };
    TRef Store(std::string_view text);

    int FColumns;
    AnsiString FPool;
    std::vector<TRef> FRefs;
};
