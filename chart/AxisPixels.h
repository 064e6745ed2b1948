#pragma once
// The pixels of many values along one axis, for drawing a long curve: the axis'
// mapping computed in double arithmetic wherever that is certain to land on the same
// pixel, which is nearly always, and by the mapping itself where a value falls
// within rounding distance of a half pixel, off the axis by far, or is no number.
#include "chart/AxisMapping.h"

#include <cmath>

class TAxisPixels {
public:
    explicit TAxisPixels(const TAxisMapping& mapping);

    // The same pixel as TAxisMapping::ValueToPosClamped.
    int PosClamped(double value) const
    {
        const double t = (value - FRangeMin) * FScale;
        // Adding and taking away 1.5 × 2^52 rounds a number below 2^51 to an integer.
        constexpr double kRounder = 0x1.8p52;
        if (t == t && std::fabs(t) < kReach) {
            const double nearest = (t + kRounder) - kRounder;
            // The mapping's own offset lies within a few units in the last place of t
            // (three roundings each way); away from a half by more, both round alike.
            if (std::fabs(t - nearest) + std::fabs(t) * 0x1p-48 < 0.5)
                return FBase + FSign * static_cast<int>(nearest);
        }
        return FMapping.ValueToPosClamped(value);
    }

private:
    // Offsets up to here are pixels near enough to the plot to be drawn.
    static constexpr double kReach = 1 << 20;

    const TAxisMapping& FMapping;
    double FRangeMin;
    double FScale; // pixels per unit of value; NaN sends every value to the mapping
    int FBase;     // the pixel of the range's low end
    int FSign;     // +1 when pixels grow with the value, −1 when they shrink
};
