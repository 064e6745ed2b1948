#include "chart/AxisMapping.h"

#include "chart/PixelRound.h"

#include <algorithm>
#include <cstdint>
#include <limits>

void TAxisMapping::Place(int base, int size, double startPercent, double endPercent)
{
    const TExtended pixels = size;
    Start = base + RoundPixel(pixels * kPercent * startPercent);
    End = base + RoundPixel(pixels * kPercent * endPercent);
}

int TAxisMapping::ValueToPos(double value) const
{
    if (RangeSize() == 0)
        return Center();
    const TExtended t = Offset(value);
    if (!(Abs(t) < TExtended(std::numeric_limits<int>::max()))) // a NaN lands in the middle too
        return Center();
    return PosFromOffset(t);
}

int TAxisMapping::ValueToPosClamped(double value) const
{
    if (RangeSize() == 0)
        return Center();
    const TExtended far = 1 << 30;
    const TExtended t = Offset(value);
    return PosFromOffset(IsNaN(t) ? far : std::clamp(t, -far, far));
}

TExtended TAxisMapping::Offset(double value) const
{
    return (TExtended(value) - RangeMin) * Length() / RangeSize();
}

int TAxisMapping::PosFromOffset(TExtended t) const
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
    const auto pixels = Inverted ? std::int64_t{End} - pos : std::int64_t{pos} - Start;
    const TExtended d = TExtended(pixels) * RangeSize() / Length();
    return (Horizontal ? RangeMin + d : RangeMax - d).ToDouble();
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
