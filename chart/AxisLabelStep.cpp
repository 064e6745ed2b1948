// The step between an axis' value labels: as small as the 1-2-5 sequence allows
// while the labels keep their room.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "chart/PixelRound.h"

#include <algorithm>
#include <cmath>

double TCustomChartAxis::LabelStep()
{
    FChart.SetCanvasFont(*FLabelsFont);
    // How much room one label takes along the axis.
    const bool byWidth = IsHorizontal() ? !(FLabelsAngle == 90 || FLabelsAngle == 270)
                                     : !(FLabelsAngle == 0 || FLabelsAngle == 180);
    const int size = std::max(SizeAcross(ValueLabelText(RangeMax()), byWidth),
                              SizeAcross(ValueLabelText(RangeMin()), byWidth));
    int maxCount = 1;
    if (size > 0) {
        const int gap = FLabelsSeparation > 0 ? size + RoundPixel(FLabelsSeparation * 0.01L * size) : size;
        maxCount = RoundPixel(static_cast<long double>(AxisLength()) / gap);
    }
    return StepForLabelCount(maxCount);
}

double TCustomChartAxis::StepForLabelCount(int maxCount) const
{
    if (maxCount < 1)
        return 1e-12;
    double step = FIncrement > 0 ? FIncrement : std::fabs(RangeSize()) >= 1 ? 1.0 : 1e-12;
    if (FLabelsSeparation > 0) {
        long long count = static_cast<long long>(maxCount) + 1;
        while (count > maxCount) {
            const long double quotient = RangeSize() / static_cast<long double>(step);
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

double TCustomChartAxis::NextLabelStep(double x)
{
    if (!(x > 0) || !std::isfinite(x))
        return x;
    if (x >= 10)
        return static_cast<double>(10 * static_cast<long double>(NextLabelStep(static_cast<double>(x * 0.1L))));
    if (x < 1)
        return static_cast<double>(0.1L * NextLabelStep(static_cast<double>(x * 10.0L)));
    return x < 2 ? 2 : x < 5 ? 5 : 10;
}
