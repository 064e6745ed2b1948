#pragma once
// Template bodies of LineRaster.h.
#include "core/FirstTrue.h"

#include <cstdlib>

namespace LineRasterDetail {

// Wide enough for the products of coordinates anywhere in the 32-bit range.
__extension__ typedef __int128 TWide;

// floor(a / b) for b > 0.
constexpr long long FloorDiv(TWide a, TWide b)
{
    return static_cast<long long>(a >= 0 ? a / b : -((-a + b - 1) / b));
}

} // namespace LineRasterDetail

template <class Emit>
void ForEachLineRun(int x0, int y0, int x1, int y1, const int (&bounds)[4], Emit&& report)
{
    using LineRasterDetail::FloorDiv;
    using LineRasterDetail::TWide;
    const long long dx = static_cast<long long>(x1) - x0;
    const long long dy = static_cast<long long>(y1) - y0;
    const long long adx = dx < 0 ? -dx : dx;
    const long long ady = dy < 0 ? -dy : dy;
    if (adx == 0 && ady == 0)
        return;
    const bool xMajor = adx >= ady;
    const long long length = xMajor ? adx : ady;
    const long long minorDelta = xMajor ? dy : dx;
    const int majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int major0 = xMajor ? x0 : y0;
    const int minor0 = xMajor ? y0 : x0;

    const auto minorAt = [&](long long k) { return minor0 + FloorDiv(2 * TWide(k) * minorDelta + length, 2 * TWide(length)); };
    // The steps whose major coordinate lies within the bounds.
    const long long majorLo = xMajor ? bounds[0] : bounds[1];
    const long long majorHi = xMajor ? bounds[2] : bounds[3];
    const long long minorLo = xMajor ? bounds[1] : bounds[0];
    const long long minorHi = xMajor ? bounds[3] : bounds[2];
    long long kFrom = majorSign > 0 ? majorLo - major0 : major0 - majorHi + 1;
    long long kTo = majorSign > 0 ? majorHi - major0 : major0 - majorLo + 1;
    kFrom = kFrom < 0 ? 0 : kFrom;
    kTo = kTo > length ? length : kTo;
    // Of those, the steps whose minor coordinate does too: it moves one way only, so
    // the first step inside and the first step past are found by halving.
    if (minorDelta >= 0) {
        const long long from = FirstTrue(kFrom, kTo, [&](long long k) { return minorAt(k) >= minorLo; });
        kTo = FirstTrue(from, kTo, [&](long long k) { return minorAt(k) >= minorHi; });
        kFrom = from;
    } else {
        const long long from = FirstTrue(kFrom, kTo, [&](long long k) { return minorAt(k) < minorHi; });
        kTo = FirstTrue(from, kTo, [&](long long k) { return minorAt(k) < minorLo; });
        kFrom = from;
    }

    long long k = kFrom;
    while (k < kTo) {
        const long long minor = minorAt(k);
        // The run goes on while the rounded minor coordinate stays the same.
        long long end = k + 1;
        while (end < kTo && minorAt(end) == minor)
            ++end;
        const int first = static_cast<int>(major0 + majorSign * k);
        const int last = static_cast<int>(major0 + majorSign * (end - 1));
        const int lo = first < last ? first : last;
        const int hi = (first < last ? last : first) + 1;
        const int m = static_cast<int>(minor);
        TPixelRun run = xMajor ? TPixelRun{lo, m, hi, m + 1, static_cast<int>(k), static_cast<int>(end - k), true}
                               : TPixelRun{m, lo, m + 1, hi, static_cast<int>(k), static_cast<int>(end - k), false};
        report(run);
        k = end;
    }
}

template <class Emit>
void ForEachDash(std::span<const int> pattern, int first, int count, Emit&& report)
{
    int period = 0;
    for (const int length : pattern)
        period += length;
    if (period <= 0) {
        report(first, count);
        return;
    }
    // Walk the pattern from the start of the period that holds the first step.
    int position = first - first % period;
    std::size_t segment = 0;
    const int end = first + count;
    while (position < end) {
        const int length = pattern[segment];
        if (segment % 2 == 0) {
            const int from = position > first ? position : first;
            const int to = position + length < end ? position + length : end;
            if (from < to)
                report(from, to - from);
        }
        position += length;
        segment = (segment + 1) % pattern.size();
    }
}
