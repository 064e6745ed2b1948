#pragma once
// The value in units of 0.0001, rounded half away from zero as the "0.0000" text
// writes it, so expected results can be compared without formatting.
#include "core/Extended.h"

inline long long FourDecimals(double value)
{
    const TExtended units = TExtended(value) * 10000;
    const std::int64_t cut = units.TruncToInt64();
    return Abs(units - cut) < TExtended(0.5) ? cut : cut + (SignBit(units) ? -1 : 1);
}
