#pragma once
// The texts of many rows packed into one buffer, a few bytes per text instead of a
// string object each, so that a million rows cost little more than their characters.
#include "core/AnsiString.h"

#include <cstdint>
#include <string_view>
#include <vector>

class TRowTexts {
public:
    explicit TRowTexts(int columns) : FColumns(columns) {}

    int Columns() const { return FColumns; }
    // Complete rows held; a row still being appended does not count.
    int Count() const { return static_cast<int>(FRefs.size() / FColumns); }
    // Room for this many rows of about this many characters each.
    void Reserve(std::size_t rows, std::size_t charactersPerRow);

    // Appends the next text, filling rows column by column.
    void Append(std::string_view text);
    std::string_view Text(int row, int column) const;
    // Replaces one text; the old characters stay in the buffer unused.
    void Replace(int row, int column, std::string_view text);

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
