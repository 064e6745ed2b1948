#include "chart/PointLabels.h"

#include "core/Prefault.h"

#include <limits>
#include <stdexcept>

std::string_view TPointLabels::At(int index) const
{
    const std::uint32_t begin = index == 0 ? 0 : FEnds[static_cast<std::size_t>(index) - 1];
    return std::string_view(FChars).substr(begin, FEnds[static_cast<std::size_t>(index)] - begin);
}

void TPointLabels::InsertAt(int index, std::string_view label)
{
    if (label.size() > std::numeric_limits<std::uint32_t>::max() - FChars.size())
        throw std::length_error("point labels exceed 4 GiB");
    const auto at = static_cast<std::size_t>(index);
    const auto length = static_cast<std::uint32_t>(label.size());
    const std::uint32_t begin = at == 0 ? 0 : FEnds[at - 1];
    // The end goes in first and comes out again if the characters can't, so a failed
    // insert leaves the labels as they were.
    FEnds.insert(FEnds.begin() + index, begin + length);
    try {
        FChars.insert(begin, label);
    } catch (...) {
        FEnds.erase(FEnds.begin() + index);
        throw;
    }
    for (std::size_t i = at + 1; i < FEnds.size(); ++i)
        FEnds[i] += length;
}

void TPointLabels::Reserve(int count, std::size_t chars)
{
    FEnds.reserve(static_cast<std::size_t>(count));
    PrefaultCapacity(FEnds);
    FChars.reserve(chars);
    PrefaultForWriting(FChars.data(), FChars.capacity());
}

void TPointLabels::Clear()
{
    std::string().swap(FChars);
    std::vector<std::uint32_t>().swap(FEnds);
}
