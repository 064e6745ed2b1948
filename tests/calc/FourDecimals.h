#pragma once
// The value in units of 0.0001, rounded half away from zero as the "0.0000" text
// writes it, so expected results can be compared without formatting.
#include <cmath>

inline long long FourDecimals(double value)
{
    return std::llroundl(static_cast<long double>(value) * 10000.0L);
}
