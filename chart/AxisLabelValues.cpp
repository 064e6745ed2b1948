#include "chart/AxisLabelValues.h"

#include "core/Extended.h"
#include "numtext/FormatDecimal.h"

#include <algorithm>
#include <cmath>

namespace {

// 1e-12, 1.000000000001 and 0.02, each rounded as its decimal constant is.
const TExtended kPico = TExtended(1) / 1e12;
const TExtended kOnePlusPico = TExtended(std::int64_t{1000000000001}) / 1e12;
const TExtended kTwoPercent = TExtended(1) / 50;

} // namespace

double RoundedToStep(double value, double step)
{
    return (Trunc(value / TExtended(step)) * step).ToDouble();
}

std::vector<double> ValueLabelValues(double rangeMin, double rangeMax, double step, bool roundFirst)
{
    std::vector<double> values;
    const double rangeSize = rangeMax - rangeMin;
    if (!(Abs(rangeSize / TExtended(step)) < kMaxValueLabels))
        return values;
    double value = rangeMin == rangeMax || !roundFirst ? rangeMax : RoundedToStep(rangeMax, step);
    while (value > rangeMax) {
        const double next = value - step;
        if (next == value)
            return values;
        value = next;
    }
    const double limit = ((rangeMin - kPico) / kOnePlusPico).ToDouble();
    // A range of size 0 shows its one value once: further steps of 1e-12 would only
    // repeat it on the same pixel, or leave a large value unchanged and never end.
    const bool single = rangeSize == 0;
    while (value >= limit) {
        values.push_back(value);
        const double next = value - step;
        if (single || next == value)
            break;
        value = next;
    }
    return values;
}

AnsiString ValueLabelText(const AnsiString& format, bool multiLine, double value,
                          const std::function<void(AnsiString& text)>& hook)
{
    AnsiString text = FormatDecimal(format, value);
    if (hook)
        hook(text);
    if (multiLine)
        std::replace(text.begin(), text.end(), ' ', '\r');
    return text;
}

int TLabelThinning::SpacedHalf(int size)
{
    if (size != FSpacedSize) {
        FSpacedSize = size;
        FSpacedHalf = (size + static_cast<int>((size * kTwoPercent * FSeparation).TruncToInt64())) / 2;
    }
    return FSpacedHalf;
}

bool TLabelThinning::Take(int pos, int size)
{
    const bool spaced = FSeparation != 0 && FPrev != -1;
    const int half = spaced ? SpacedHalf(size) : size / 2;
    if (spaced && !((pos >= FPrev && pos - half >= FPrev + FPrevHalf) || (pos < FPrev && pos + half <= FPrev - FPrevHalf)))
        return false;
    FPrev = pos;
    FPrevHalf = half;
    return true;
}
