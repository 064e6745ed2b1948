#include "chart/LineRaster.h"

#include "chart/ChartPen.h"

#include <array>

std::span<const int> DashPattern(int style, bool smallDots)
{
    static constexpr std::array<int, 2> kAlternate{1, 1};
    static constexpr std::array<int, 2> kDash{18, 6};
    static constexpr std::array<int, 2> kDot{3, 3};
    static constexpr std::array<int, 4> kDashDot{9, 6, 3, 6};
    static constexpr std::array<int, 6> kDashDotDot{9, 3, 3, 3, 3, 3};
    if (smallDots)
        return kAlternate;
    switch (style) {
    case psDash:
        return kDash;
    case psDot:
        return kDot;
    case psDashDot:
        return kDashDot;
    case psDashDotDot:
        return kDashDotDot;
    default:
        return {};
    }
}
