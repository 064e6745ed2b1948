// How zooming, panning and the wheel change a chart's axes, and how the scales in
// force before the first of them are kept and restored.
#include "chart/ZoomPanning.h"

#include "chart/CustomChart.h"
#include "chart/PixelRound.h"

#include <array>
#include <limits>

namespace {

// Each step of an animated zoom moves every axis end a third of its remaining way.
constexpr int kZoomAnimationDivisor = 3;

// A wheel notch moves the vertical axes by this share of their range.
const TExtended kWheelShare = 3 * kPercent;

// A range moved beyond the doubles would end at an infinity; such a move is not made.
bool WithinDoubleRange(TExtended value)
{
    return Abs(value) <= TExtended(std::numeric_limits<double>::max());
}

void RestoreScale(TChartAxis& axis, const TSavedAxisScale& saved)
{
    axis.SetAutomatic(saved.Automatic);
    axis.SetAutomaticMinimum(saved.AutomaticMinimum);
    axis.SetAutomaticMaximum(saved.AutomaticMaximum);
    if (!axis.Automatic())
        axis.SetManualRange(saved.Minimum, saved.Maximum);
}

} // namespace

void TZoomPanning::SaveAxisScales()
{
    if (FSavedAxisScales.Present)
        return;
    const std::array<TChartAxis*, 4> axes = FChart.SideAxes();
    for (std::size_t i = 0; i < axes.size(); ++i) {
        const TChartAxis& axis = *axes[i];
        FSavedAxisScales.Axes[i] = {axis.Automatic(), axis.AutomaticMaximum(), axis.AutomaticMinimum(), axis.Minimum(),
                                    axis.Maximum()};
    }
    FSavedAxisScales.Present = true;
}

void TZoomPanning::ZoomToRectangle()
{
    FZoomDrag.Order();
    struct TTarget {
        TChartAxis& Axis;
        double Low;
        double High;
    };
    // The bottom edge of the rectangle gives the low end of a vertical axis.
    const auto across = [&](TChartAxis& axis) {
        return TTarget{axis, axis.PosToValue(FZoomDrag.X0), axis.PosToValue(FZoomDrag.X1)};
    };
    const auto upward = [&](TChartAxis& axis) {
        return TTarget{axis, axis.PosToValue(FZoomDrag.Y1), axis.PosToValue(FZoomDrag.Y0)};
    };
    const std::array<TTarget, 4> targets{upward(FChart.LeftAxis()), upward(FChart.RightAxis()),
                                         across(FChart.TopAxis()), across(FChart.BottomAxis())};
    SaveAxisScales();
    if (FChart.AnimatedZoom()) {
        for (int step = 1; step < FChart.AnimatedZoomSteps(); ++step) {
            for (const TTarget& t : targets) {
                const TExtended minimum = t.Axis.Minimum();
                const TExtended maximum = t.Axis.Maximum();
                t.Axis.SetManualRange((minimum + (t.Low - minimum) / kZoomAnimationDivisor).ToDouble(),
                                      (maximum - (maximum - t.High) / kZoomAnimationDivisor).ToDouble());
            }
            if (FChart.Host())
                FChart.Host()->PaintNow();
        }
    }
    for (const TTarget& t : targets)
        t.Axis.SetManualRange(t.Low, t.High);
    FZoomedIn = true;
    if (FChart.OnZoom)
        FChart.OnZoom();
}

void TZoomPanning::RestoreScales()
{
    if (FSavedAxisScales.Present) {
        const auto& saved = FSavedAxisScales.Axes; // top, left, right, bottom
        RestoreScale(FChart.TopAxis(), saved[0]);
        RestoreScale(FChart.BottomAxis(), saved[3]);
        RestoreScale(FChart.LeftAxis(), saved[1]);
        RestoreScale(FChart.RightAxis(), saved[2]);
    }
    FSavedAxisScales.Present = false;
    if (FChart.OnUndoZoom)
        FChart.OnUndoZoom();
    FChart.Invalidate();
    FZoomedIn = false;
}

void TZoomPanning::PanStep(int x, int y)
{
    if (x == FPanDrag.X1 && y == FPanDrag.Y1)
        return;
    SaveAxisScales();
    const TPanningMode mode = FChart.AllowPanning();
    bool moved = false;
    for (TCustomChartAxis* axis : FChart.AxesList()) {
        if (axis->IsDepth())
            continue;
        if (axis->IsHorizontal() && x != FPanDrag.X1 && (mode == pmHorizontal || mode == pmBoth)) {
            PanAxis(*axis, FPanDrag.X1, x);
            moved = true;
        } else if (!axis->IsHorizontal() && y != FPanDrag.Y1 && (mode == pmVertical || mode == pmBoth)) {
            PanAxis(*axis, FPanDrag.Y1, y);
            moved = true;
        }
    }
    FPanDrag.X1 = x;
    FPanDrag.Y1 = y;
    if (!moved)
        return;
    FContextClick = false;
    if (FChart.OnScroll)
        FChart.OnScroll();
    FChart.Invalidate();
}

void TZoomPanning::PanAxis(TCustomChartAxis& axis, int from, int to)
{
    // The value under the pointer follows the pointer.
    const TExtended d = TExtended(axis.PosToValue(from)) - axis.PosToValue(to);
    const TExtended low = axis.Minimum() + d;
    const TExtended high = axis.Maximum() + d;
    if (!WithinDoubleRange(low) || !WithinDoubleRange(high))
        return;
    double newMinimum = low.ToDouble();
    double newMaximum = high.ToDouble();
    bool allow = true;
    if (FChart.OnAllowScroll)
        FChart.OnAllowScroll(axis, newMinimum, newMaximum, allow);
    if (allow)
        axis.SetManualRange(newMinimum, newMaximum);
}

void TZoomPanning::WheelNotch(bool down)
{
    for (TCustomChartAxis* axis : FChart.AxesList()) {
        if (axis->IsHorizontal() || axis->IsDepth())
            continue;
        const TExtended share = (TExtended(axis->Maximum()) - axis->Minimum()) * kWheelShare;
        const TExtended offset = down ? share : -share;
        // A range of no size has nothing to scroll, and it stays automatic.
        if (offset == 0 || !WithinDoubleRange(axis->Maximum() + offset) || !WithinDoubleRange(axis->Minimum() + offset))
            continue;
        // Saved as a zoom or a pan saves them, so that an undo also returns a
        // scrolled chart to its automatic scales.
        SaveAxisScales();
        axis->ShiftRange(offset.ToDouble(), false);
    }
}
