#include "chart/ColumnWalk.h"

#include "chart/AxisPixels.h"
#include "core/FirstTrue.h"

#include <bit>
#include <cstdint>

namespace {

// Doubles as unsigned integers in the same order: −∞ … −0, +0 … +∞.
std::uint64_t OrderKey(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
    return bits & kSign ? ~bits : bits | kSign;
}

double FromOrderKey(std::uint64_t key)
{
    constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
    return std::bit_cast<double>(key & kSign ? key & ~kSign : ~key);
}

} // namespace

std::optional<TColumnWalk> TColumnWalk::OfValues(std::span<const double> values, const TAxisPixels& rows)
{
    double low = values.front();
    double high = low;
    bool numbers = true;
    for (const double v : values) {
        numbers &= v == v;
        low = v < low ? v : low;
        high = v > high ? v : high;
    }
    if (!numbers)
        return std::nullopt;
    // Rows follow values one way or the other, so the extreme values lie on the extreme rows.
    const int first = rows.PosClamped(values.front());
    const int last = rows.PosClamped(values.back());
    const int lowRow = rows.PosClamped(low);
    const int highRow = rows.PosClamped(high);
    if (lowRow == highRow)
        return TColumnWalk(first);
    if (last != lowRow && last != highRow) // both extremes are visited before the last row's run
        return TColumnWalk(first, last, std::min(lowRow, highRow), std::max(lowRow, highRow));
    // The last row is an extreme one; the other extreme is visited before it. Whether the
    // last row is too depends on where its final run begins. The values on the last row
    // are those up to (or from) a bound: the last (or first) double whose row it is.
    const bool lastHoldsLow = last == lowRow;
    const int other = lastHoldsLow ? highRow : lowRow;
    const std::uint64_t offLast = FirstTrue(OrderKey(low), OrderKey(high) + 1, [&](std::uint64_t key) {
        return (rows.PosClamped(FromOrderKey(key)) == last) != lastHoldsLow;
    });
    const double bound = FromOrderKey(lastHoldsLow ? offLast - 1 : offLast);
    const auto onLast = [&](double v) { return lastHoldsLow ? v <= bound : v >= bound; };
    std::size_t runStart = values.size() - 1;
    while (onLast(values[runStart - 1]))
        --runStart;
    const bool before = std::any_of(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(runStart - 1), onLast);
    return before ? TColumnWalk(first, last, std::min(other, last), std::max(other, last))
                  : TColumnWalk(first, last, other, other);
}

std::span<const int> TColumnWalk::Reduced(int (&rows)[4]) const
{
    rows[0] = FFirst;
    if (FLow > FHigh) // the line never left its first row
        return {rows, 1};
    // An extreme on the last row goes first, so that the line moves off it again and
    // covers it, as the full walk did.
    const bool highFirst = FHigh == FLast;
    rows[1] = highFirst ? FHigh : FLow;
    rows[2] = highFirst ? FLow : FHigh;
    rows[3] = FLast;
    return {rows, 4};
}

bool TColumnWalk::Covered(int& low, int& high) const
{
    if (FLow > FHigh)
        return false;
    low = FLast < FLow ? FLast + 1 : FLow;
    high = FLast > FHigh ? FLast - 1 : FHigh;
    return true;
}
