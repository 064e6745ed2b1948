#include "chart/AxisMapping.h"

#include "chart/PixelRound.h"

#include <algorithm>
#include <cmath>
#include <limits>

void TAxisMapping::Place(int base, int size, double startPercent, double endPercent)
{
    const long double pixels = size;
    Start = base + RoundPixel(pixels * 0.01L * startPercent);
    End = base + RoundPixel(pixels * 0.01L * endPercent);
}

int TAxisMapping::ValueToPos(double value) const
{
    if (RangeSize() == 0)
        return Center();
    const long double t = Offset(value);
    if (!(std::fabs(t) < 2147483647.0L)) // a NaN lands in the middle too
        return Center();
    return PosFromOffset(t);
}

int TAxisMapping::ValueToPosClamped(double value) const
{
    if (RangeSize() == 0)
        return Center();
    constexpr long double kFar = 1 << 30;
    const long double t = Offset(value);
    return PosFromOffset(!(t == t) ? kFar : std::clamp(t, -kFar, kFar));
}

long double TAxisMapping::Offset(double value) const
{
    return (static_cast<long double>(value) - RangeMin) * Length() / RangeSize();
}

int TAxisMapping::PosFromOffset(long double t) const
{
    const long long offset = RoundPixel(t);
    long long pos;
    if (Horizontal)
        pos = Inverted ? End - offset : Start + offset;
    else
        pos = Inverted ? Start + offset : End - offset;
    return static_cast<int>(std::clamp<long long>(pos, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

double TAxisMapping::PosToValue(int pos) const
{
    if (Length() <= 0)
        return 0;
    const long double d = Inverted ? static_cast<long double>(End - static_cast<long long>(pos)) * RangeSize() / Length()
                                   : static_cast<long double>(pos - static_cast<long long>(Start)) * RangeSize() / Length();
    return static_cast<double>(Horizontal ? RangeMin + d : RangeMax - d);
}

std::optional<std::pair<double, double>> TAxisMapping::RangeWithMargins(int startMargin, int endMargin) const
{
    TAxisMapping inner = *this;
    inner.Start = Start + startMargin;
    inner.End = End - endMargin;
    // An axis too short to keep the margins has no pixel to value mapping to widen
    // the range by; it keeps its range rather than collapsing it to 0.
    if (inner.Length() <= 0)
        return std::nullopt;
    const double low = inner.PosToValue(Start);
    const double high = inner.PosToValue(End);
    // On a vertical axis the value at Start is the larger one.
    return low > high ? std::pair{high, low} : std::pair{low, high};
}
