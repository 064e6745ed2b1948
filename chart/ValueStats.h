#pragma once
// The arithmetic of a series' value list: a stored value read at the list's multiplier,
// and the statistics of the scaled values.
#include "core/CheckedFloat.h"

#include <vector>

// The value times the multiplier, rounded once to a double; EOverflow beyond the doubles.
inline double ScaledValue(double value, double multiplier)
{
    if (multiplier == 1)
        return value; // the common case, and exact: nothing to round
    return StoreDouble(TExtended(value) * multiplier);
}

// The lowest and highest scaled value, and the sums of the scaled values and of their
// magnitudes, each sum stored as a double after every addition in extended precision.
// All 0 for no values.
struct TValueStats {
    double Lowest = 0;
    double Highest = 0;
    double Sum = 0;
    double AbsoluteSum = 0;
};

TValueStats ValueStats(const std::vector<double>& values, double multiplier);
