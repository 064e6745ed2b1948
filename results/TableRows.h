#pragma once
// The texts of a table's rows, one per column, however they are kept.
#include "core/AnsiString.h"

#include <string>
#include <string_view>

class TTableRows {
public:
    virtual ~TTableRows() = default;

    virtual int Columns() const = 0;
    // Complete rows held.
    virtual int Count() const = 0;
    // std::out_of_range for a row or column not held.
    virtual AnsiString Text(int row, int column) const = 0;
    // Appends Text(row, column) to out; rows that can write it in place do.
    virtual void AppendText(std::string& out, int row, int column) const { out += Text(row, column); }
    // Replaces one text (an edited caption); std::out_of_range as Text.
    virtual void Replace(int row, int column, std::string_view text) = 0;
};
