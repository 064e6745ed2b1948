#include "chart/ValueStats.h"

#include <cmath>

TValueStats ValueStats(const std::vector<double>& values, double multiplier)
{
    if (values.empty())
        return {};
    const double first = ScaledValue(values.front(), multiplier);
    TValueStats stats{first, first, first, std::fabs(first)};
    for (std::size_t i = 1; i < values.size(); ++i) {
        const double v = ScaledValue(values[i], multiplier);
        if (v < stats.Lowest)
            stats.Lowest = v;
        else if (v > stats.Highest)
            stats.Highest = v;
        stats.Sum = StoreDouble(TExtended(stats.Sum) + v);
        stats.AbsoluteSum = StoreDouble(TExtended(stats.AbsoluteSum) + std::fabs(v));
    }
    return stats;
}
