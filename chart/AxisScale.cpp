// An axis' settings, its range and its place along the plot.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "core/ChartErrors.h"

#include <cmath>
#include <limits>
#include <optional>
#include <tuple>
#include <utility>

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel& chart, bool horizontal, bool otherSide, bool depth, int titleAngle)
    : FChart(chart), FMapping{.Horizontal = horizontal}, FOtherSide(otherSide), FDepth(depth),
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
        if (RangeMin() < 0 || RangeMax() < 0)
            throw AxisException("Logarithmic Axis Min and Max values should be >= 0");
    }
    SetProperty(FLogarithmic, value);
}

void TCustomChartAxis::SetLabelsAngle(int value)
{
    CheckAngle(value, "Axis Labels");
    SetProperty(FLabelsAngle, value);
}

TAxisLayoutState TCustomChartAxis::LayoutState() const
{
    return {FMapping.RangeMin, FMapping.RangeMax, FMapping.Start, FMapping.End, FLinePos, FLabelsPos, FTitlePos, FTickPositions};
}

void TCustomChartAxis::RestoreLayout(const TAxisLayoutState& layout)
{
    FMapping.RangeMin = layout.RangeMin;
    FMapping.RangeMax = layout.RangeMax;
    FMapping.Start = layout.Start;
    FMapping.End = layout.End;
    FLinePos = layout.LinePos;
    FLabelsPos = layout.LabelsPos;
    FTitlePos = layout.TitlePos;
    FTickPositions = layout.TickPositions;
}

void TCustomChartAxis::ComputeRange()
{
    if (FAutomatic || FAutomaticMaximum)
        FMaximum = FChart.SeriesExtreme(*this, false, IsHorizontal());
    if (FAutomatic || FAutomaticMinimum)
        FMinimum = FChart.SeriesExtreme(*this, true, IsHorizontal());
    FMapping.RangeMax = FMaximum;
    FMapping.RangeMin = FMinimum;
}

void TCustomChartAxis::PlaceAxis()
{
    const TRect& plot = FChart.PlotRect();
    if (IsHorizontal())
        FMapping.Place(plot.Left, plot.Width(), FStartPosition, FEndPosition);
    else
        FMapping.Place(plot.Top, plot.Height(), FStartPosition, FEndPosition);
}

void TCustomChartAxis::FitRangeToMargins(int startMargin, int endMargin)
{
    const std::optional<std::pair<double, double>> widened = FMapping.RangeWithMargins(startMargin, endMargin);
    PlaceAxis();
    if (widened)
        std::tie(FMapping.RangeMin, FMapping.RangeMax) = *widened;
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
        const bool towardsData = (offset > 0 && FChart.SeriesExtreme(*this, false, IsHorizontal()) > FMaximum)
            || (offset < 0 && FChart.SeriesExtreme(*this, true, IsHorizontal()) < FMinimum);
        if (!towardsData)
            return;
    }
    FAutomatic = FAutomaticMaximum = FAutomaticMinimum = false;
    FMaximum += offset;
    FMinimum += offset;
    Invalidate();
}
