#include "results/RowTexts.h"

#include <limits>
#include <stdexcept>

void TRowTexts::Reserve(std::size_t rows, std::size_t charactersPerRow)
{
    FRefs.reserve(rows * FColumns);
    FPool.reserve(rows * charactersPerRow);
}

TRowTexts::TRef TRowTexts::Store(std::string_view text)
{
    if (FPool.size() + text.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("row texts exceed 4 GB");
    const TRef ref{static_cast<std::uint32_t>(FPool.size()), static_cast<std::uint32_t>(text.size())};
    FPool.append(text);
    return ref;
}

void TRowTexts::Append(std::string_view text)
{
    FRefs.push_back(Store(text));
}

std::string_view TRowTexts::Text(int row, int column) const
{
    const TRef ref = FRefs.at(static_cast<std::size_t>(row) * FColumns + column);
    return std::string_view(FPool).substr(ref.Offset, ref.Length);
}

void TRowTexts::Replace(int row, int column, std::string_view text)
{
    const std::size_t index = static_cast<std::size_t>(row) * FColumns + column;
    if (index >= FRefs.size())
        throw std::out_of_range("no such row text");
    // The text may lie in the pool itself, which may move while it grows.
    const AnsiString copy(text);
    FRefs[index] = Store(copy);
}
