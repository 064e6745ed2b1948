#pragma once
// Chart pixel arithmetic rounds to the nearest integer with halves to even. A value
// beyond the pixel range (a setting far out of bounds, an infinity) is clamped rather
// than raised, so that drawing never fails on it; NaN gives 0.
#include <cmath>
#include <limits>

inline int RoundPixel(long double value)
{
    if (!(value == value))
        return 0;
    constexpr long double kMax = std::numeric_limits<int>::max();
    constexpr long double kMin = std::numeric_limits<int>::min();
    if (value >= kMax)
        return std::numeric_limits<int>::max();
    if (value <= kMin)
        return std::numeric_limits<int>::min();
    // The thread rounds to nearest with halves to even; an inexact result raises nothing.
    return static_cast<int>(std::llrintl(value));
}

// Integer division that cuts toward zero, written out where the rule says "div".
constexpr int Div(int a, int b) { return a / b; }
