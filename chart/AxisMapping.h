#pragma once
// The mapping between an axis' values and its pixels: the working range RangeMin …
// RangeMax laid linearly along the pixels Start … End, high values to the right on a
// horizontal axis and at the top on a vertical one, the other way round when
// inverted. Pixels round to the nearest with halves to even.
#include "core/Extended.h"

#include <optional>
#include <utility>

struct TAxisMapping {
    bool Horizontal = true;
    bool Inverted = false;
    double RangeMin = 0;
    double RangeMax = 0;
    int Start = 0;
    int End = 0;

    double RangeSize() const { return RangeMax - RangeMin; }
    int Length() const { return End - Start; }
    int Center() const { return (Start + End) / 2; } // truncated toward zero

    // Start and End at the percents of size pixels from base.
    void Place(int base, int size, double startPercent, double endPercent);
    // The pixel of a value: the middle for a range of size 0 or a value far off the axis.
    int ValueToPos(double value) const;
    // The same, except that a value too far off the axis for a pixel (or no number)
    // lies far beyond the axis' end on its side, not in the middle: a line through it
    // then leaves the plot instead of cutting across it.
    int ValueToPosClamped(double value) const;
    // The value at a pixel; 0 for an axis of no length.
    double PosToValue(int pos) const;
    // The range, low end first, whose values at Start and End are those the current
    // range has the margins inside them: the data then keeps the margins from the
    // ends. None when the axis is too short to keep them.
    std::optional<std::pair<double, double>> RangeWithMargins(int startMargin, int endMargin) const;

private:
    // The value's distance in pixels from the range's low end along the axis, unrounded.
    TExtended Offset(double value) const;
    int PosFromOffset(TExtended offset) const;
};
