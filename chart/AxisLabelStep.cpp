#include "chart/AxisLabelStep.h"

#include "chart/PixelRound.h"

#include <algorithm>
#include <cmath>

double LabelStep(const TStepRule& rule, double rangeMin, double rangeMax, int axisLength, TLabelMeasure& measure)
{
    const int high = measure.LabelSize(rangeMax);
    const int size = std::max(high, measure.LabelSize(rangeMin));
    int maxCount = 1;
    if (size > 0) {
        const int separation = rule.LabelsSeparation;
        const int gap = separation > 0 ? size + RoundPixel(separation * 0.01L * size) : size;
        maxCount = RoundPixel(static_cast<long double>(axisLength) / gap);
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
            const long double quotient = rangeSize / static_cast<long double>(step);
            if (std::fabs(quotient) < 2147483647.0L) {
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
        return static_cast<double>(10 * static_cast<long double>(NextLabelStep(static_cast<double>(x * 0.1L))));
    if (x < 1)
        return static_cast<double>(0.1L * NextLabelStep(static_cast<double>(x * 10.0L)));
    return x < 2 ? 2 : x < 5 ? 5 : 10;
}
