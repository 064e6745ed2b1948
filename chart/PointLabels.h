#pragma once
// The points' labels, packed: their characters one after another in one buffer and the
// end of each, so that a million short labels take a few bytes each instead of a string
// object each.
#include "core/AnsiString.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TPointLabels {
public:
    int Count() const { return static_cast<int>(FEnds.size()); }
    // The label at 0 … Count − 1.
    std::string_view At(int index) const;
    // Stores the label at 0 … Count, shifting later labels up.
    void InsertAt(int index, std::string_view label);
    // Room for this many labels of the given characters in all.
    void Reserve(int count, std::size_t chars);
    // Removes every label and releases the storage.
    void Clear();

private:
    std::string FChars;
    // The end of each label in FChars; 32 bits keep it small (a label set longer than
    // that raises std::length_error).
    std::vector<std::uint32_t> FEnds;
};
