#include "chart/AxisLabelValues.h"

#include "numtext/FormatDecimal.h"

#include <algorithm>
#include <cmath>

double RoundedToStep(double value, double step)
{
    return static_cast<double>(std::trunc(value / static_cast<long double>(step)) * step);
}

std::vector<double> ValueLabelValues(double rangeMin, double rangeMax, double step, bool roundFirst)
{
    std::vector<double> values;
    const double rangeSize = rangeMax - rangeMin;
    if (!(std::fabs(rangeSize / static_cast<long double>(step)) < kMaxValueLabels))
        return values;
    double value = rangeMin == rangeMax || !roundFirst ? rangeMax : RoundedToStep(rangeMax, step);
    while (value > rangeMax) {
        const double next = value - step;
        if (next == value)
            return values;
        value = next;
    }
    const double limit = static_cast<double>((rangeMin - 1e-12L) / 1.000000000001L);
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
        FSpacedHalf = (size + static_cast<int>(std::trunc(size * 0.02L * FSeparation))) / 2;
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
