#include "chart/AxisPixels.h"

#include <limits>

TAxisPixels::TAxisPixels(const TAxisMapping& mapping)
    : FMapping(mapping), FRangeMin(mapping.RangeMin)
{
    const double size = mapping.RangeSize();
    // A range of size 0 puts every value in the middle: the mapping answers that.
    FScale = size != 0 && std::isfinite(size) ? mapping.Length() / size : std::numeric_limits<double>::quiet_NaN();
    // Pixels grow rightward and downward: with the value on a horizontal axis, against
    // it on a vertical one, the other way round when inverted.
    const bool increasing = mapping.Horizontal != mapping.Inverted;
    FBase = increasing ? mapping.Start : mapping.End;
    FSign = increasing ? 1 : -1;
}
