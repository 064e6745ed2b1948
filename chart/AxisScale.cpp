// An axis' range, its place along the plot, and the mapping between values and pixels.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "chart/PixelRound.h"
#include "core/ChartErrors.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel& chart, bool horizontal, bool otherSide, bool depth, int titleAngle)
    : FChart(chart), FHorizontal(horizontal), FOtherSide(otherSide), FDepth(depth),
      FLabelsFont(CreateChartFont([this] { Invalidate(); })),
      FTitle([this] { Invalidate(); }, titleAngle),
      FAxisPen([this] { Invalidate(); }),
      FTicks([this] { Invalidate(); }),
      FTicksInner([this] { Invalidate(); }),
      FMinorTicks([this] { Invalidate(); }),
      FGrid([this] { Invalidate(); }),
      FMinorGrid([this] { Invalidate(); })
{
}

TCustomChartAxis::~TCustomChartAxis() = default;

TChartDepthAxis::TChartDepthAxis(TCustomAxisPanel& chart) : TCustomChartAxis(chart, false, true, true, 0)
{
    SetVisible(false);
}

void TCustomChartAxis::Invalidate()
{
    FChart.Invalidate();
}

void TCustomChartAxis::SetAutomatic(bool value)
{
    const bool changed = value != FAutomatic || value != FAutomaticMinimum || value != FAutomaticMaximum;
    FAutomatic = FAutomaticMinimum = FAutomaticMaximum = value;
    if (changed)
        Invalidate();
}

void TCustomChartAxis::SetAutomaticMinimum(bool value)
{
    SetProperty(FAutomaticMinimum, value);
    if (!value || FAutomaticMaximum)
        FAutomatic = value;
}

void TCustomChartAxis::SetAutomaticMaximum(bool value)
{
    SetProperty(FAutomaticMaximum, value);
    if (!value || FAutomaticMinimum)
        FAutomatic = value;
}

void TCustomChartAxis::SetMinimum(double value)
{
    if (value > FMaximum)
        throw AxisException("Axis Minimum Value must be <= Maximum");
    SetProperty(FMinimum, value);
}

void TCustomChartAxis::SetMaximum(double value)
{
    if (value < FMinimum)
        throw AxisException("Axis Maximum Value must be >= Minimum");
    SetProperty(FMaximum, value);
}

void TCustomChartAxis::SetIncrement(double value)
{
    if (value < 0)
        throw AxisException("Axis increment must be >= 0");
    SetProperty(FIncrement, value);
}

void TCustomChartAxis::SetLabelsSeparation(int value)
{
    if (value < 0)
        throw AxisException("Labels Separation % must be greater than 0");
    SetProperty(FLabelsSeparation, value);
}

void TCustomChartAxis::SetLogarithmicBase(int value)
{
    if (value < 2)
        throw AxisException("Axis Logarithmic Base should be >= 2");
    SetProperty(FLogarithmicBase, value);
}

void TCustomChartAxis::SetLogarithmic(bool value)
{
    if (value) {
        // No axis of this chart holds date-time values, so only the range is checked.
        ComputeRange();
        if (FRangeMin < 0 || FRangeMax < 0)
            throw AxisException("Logarithmic Axis Min and Max values should be >= 0");
    }
    SetProperty(FLogarithmic, value);
}

void TCustomChartAxis::SetLabelsAngle(int value)
{
    CheckAngle(value, "Axis Labels");
    SetProperty(FLabelsAngle, value);
}

void TCustomChartAxis::ComputeRange()
{
    if (FAutomatic || FAutomaticMaximum)
        FMaximum = FChart.SeriesExtreme(*this, false, FHorizontal);
    if (FAutomatic || FAutomaticMinimum)
        FMinimum = FChart.SeriesExtreme(*this, true, FHorizontal);
    FRangeMax = FMaximum;
    FRangeMin = FMinimum;
}

void TCustomChartAxis::PlaceAxis()
{
    const TRect& plot = FChart.PlotRect();
    const int base = FHorizontal ? plot.Left : plot.Top;
    const long double size = FHorizontal ? plot.Width() : plot.Height();
    FAxisStart = base + RoundPixel(size * 0.01L * FStartPosition);
    FAxisEnd = base + RoundPixel(size * 0.01L * FEndPosition);
}

int TCustomChartAxis::ValueToPos(double value) const
{
    if (RangeSize() == 0)
        return AxisCenter();
    const long double t = Offset(value);
    if (!(std::fabs(t) < 2147483647.0L)) // a NaN lands in the middle too
        return AxisCenter();
    return PosFromOffset(t);
}

int TCustomChartAxis::ValueToPosClamped(double value) const
{
    if (RangeSize() == 0)
        return AxisCenter();
    constexpr long double kFar = 1 << 30;
    const long double t = Offset(value);
    return PosFromOffset(!(t == t) ? kFar : std::clamp(t, -kFar, kFar));
}

long double TCustomChartAxis::Offset(double value) const
{
    return (static_cast<long double>(value) - FRangeMin) * AxisLength() / RangeSize();
}

int TCustomChartAxis::PosFromOffset(long double t) const
{
    const long long offset = RoundPixel(t);
    long long pos;
    if (FHorizontal)
        pos = FInverted ? FAxisEnd - offset : FAxisStart + offset;
    else
        pos = FInverted ? FAxisStart + offset : FAxisEnd - offset;
    return static_cast<int>(std::clamp<long long>(pos, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

double TCustomChartAxis::PosToValue(int pos) const
{
    if (AxisLength() <= 0)
        return 0;
    const long double d = FInverted ? static_cast<long double>(FAxisEnd - static_cast<long long>(pos)) * RangeSize() / AxisLength()
                                    : static_cast<long double>(pos - static_cast<long long>(FAxisStart)) * RangeSize() / AxisLength();
    return static_cast<double>(FHorizontal ? FRangeMin + d : FRangeMax - d);
}

void TCustomChartAxis::FitRangeToMargins(int startMargin, int endMargin)
{
    const int s0 = FAxisStart;
    const int e0 = FAxisEnd;
    FAxisStart = s0 + startMargin;
    FAxisEnd = e0 - endMargin;
    // An axis too short to keep the margins has no pixel to value mapping to widen
    // the range by; it keeps its range rather than collapsing it to 0.
    const bool measurable = AxisLength() > 0;
    const double low = PosToValue(s0);
    const double high = PosToValue(e0);
    PlaceAxis();
    if (!measurable)
        return;
    FRangeMin = low;
    FRangeMax = high;
    if (FRangeMin > FRangeMax)
        std::swap(FRangeMin, FRangeMax);
}

void TCustomChartAxis::SetManualRange(double low, double high)
{
    FAutomatic = FAutomaticMinimum = FAutomaticMaximum = false;
    if (low > high)
        std::swap(low, high);
    SetProperty(FMinimum, low);
    SetProperty(FMaximum, high);
    if (FMaximum - FMinimum < 1e-10) {
        // Where 1e-10 is below the resolution of the value, the next double up keeps a span.
        double widened = FMinimum + 1e-10;
        if (!(widened > FMinimum))
            widened = std::nextafter(FMinimum, std::numeric_limits<double>::infinity());
        SetProperty(FMaximum, widened);
    }
}

void TCustomChartAxis::ShiftRange(double offset, bool checkLimits)
{
    if (checkLimits) {
        const bool towardsData = (offset > 0 && FChart.SeriesExtreme(*this, false, FHorizontal) > FMaximum)
            || (offset < 0 && FChart.SeriesExtreme(*this, true, FHorizontal) < FMinimum);
        if (!towardsData)
            return;
    }
    FAutomatic = FAutomaticMaximum = FAutomaticMinimum = false;
    FMaximum += offset;
    FMinimum += offset;
    Invalidate();
}
