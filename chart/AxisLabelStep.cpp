#include "chart/AxisLabelStep.h"

#include "chart/PixelRound.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A tenth, rounded as the decimal constant 0.1 is.
const TExtended kTenth = TExtended(1) / 10;

} // namespace

double LabelStep(const TStepRule& rule, double rangeMin, double rangeMax, int axisLength, TLabelMeasure& measure)
{
    const int high = measure.LabelSize(rangeMax);
    const int size = std::max(high, measure.LabelSize(rangeMin));
    int maxCount = 1;
    if (size > 0) {
        const int separation = rule.LabelsSeparation;
        const int gap = separation > 0 ? size + RoundPixel(separation * kPercent * size) : size;
        maxCount = RoundPixel(TExtended(axisLength) / gap);
    }
    return StepForLabelCount(rule, rangeMax - rangeMin, maxCount);
}

double StepForLabelCount(const TStepRule& rule, double rangeSize, int maxCount)
{
    if (maxCount < 1)
        return 1e-12;
    double step = rule.Increment > 0 ? rule.Increment : std::fabs(rangeSize) >= 1 ? 1.0 : 1e-12;
    if (rule.LabelsSeparation > 0) {
        long long count = static_cast<long long>(maxCount) + 1;
        while (count > maxCount) {
            const TExtended quotient = rangeSize / TExtended(step);
            if (Abs(quotient) < TExtended(std::numeric_limits<int>::max())) {
                count = RoundPixel(quotient);
                if (count > maxCount)
                    step = NextLabelStep(step);
            } else {
                step = NextLabelStep(step);
            }
            // A range beyond every finite step (an infinite or undefined one) gets no
            // step that fits; the walk ends instead of growing for ever.
            if (!std::isfinite(step))
                break;
        }
    }
    return std::max(1e-12, step);
}

double NextLabelStep(double x)
{
    if (!(x > 0) || !std::isfinite(x))
        return x;
    if (x >= 10)
        return (10 * TExtended(NextLabelStep((x * kTenth).ToDouble()))).ToDouble();
    if (x < 1)
        return (kTenth * NextLabelStep((x * TExtended(10)).ToDouble())).ToDouble();
    return x < 2 ? 2 : x < 5 ? 5 : 10;
}
