#pragma once
// Chart pixel arithmetic runs in extended precision and rounds to the nearest integer
// with halves to even. A value beyond the pixel range (a setting far out of bounds, an
// infinity) is clamped rather than raised, so that drawing never fails on it; NaN gives 0.
#include "core/Extended.h"

#include <limits>

// A hundredth, for the percents of pixels; rounded as the decimal constant 0.01 is.
inline const TExtended kPercent = TExtended(1) / 100;

inline int RoundPixel(TExtended value)
{
    if (IsNaN(value))
        return 0;
    if (value >= TExtended(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= TExtended(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    // Within the range nothing is raised but inexact.
    return static_cast<int>(value.RoundToInt64());
}

// Integer division that cuts toward zero, written out where the rule says "div".
constexpr int Div(int a, int b) { return a / b; }
