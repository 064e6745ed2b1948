#include "chart/LineSeries.h"

#include "chart/ChartAxis.h"
#include "chart/ChartCanvas.h"
#include "chart/SegmentBatch.h"
#include "core/Extended.h"
#include "core/ScopeExit.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kPixelLimit = 32766;

bool Drawable(int x, int y)
{
    return x >= -kPixelLimit && x <= kPixelLimit && y >= -kPixelLimit && y <= kPixelLimit;
}

} // namespace

bool PixelOnSegment(int px, int py, int ax, int ay, int bx, int by)
{
    const long long dx = static_cast<long long>(bx) - ax;
    const long long dy = static_cast<long long>(by) - ay;
    const long long cross = (static_cast<long long>(px) - ax) * dy - (static_cast<long long>(py) - ay) * dx;
    if (!(std::llabs(cross) < std::max(std::llabs(dx), std::llabs(dy))))
        return false;
    return px >= std::min(ax, bx) && px <= std::max(ax, bx) && py >= std::min(ay, by) && py <= std::max(ay, by);
}

TCustomSeries::TCustomSeries() : FPointer([this] { Repaint(); }) {}

bool TCustomSeries::IsPointInMarker(int cx, int cy, int x, int y) const
{
    return std::abs(cx - x) < FPointer.HorizSize() && std::abs(cy - y) < FPointer.VertSize();
}

void TCustomSeries::DrawMarker(int x, int y, TColor color)
{
    // Every style is drawn as its bounding square: the program shows no markers.
    TChartCanvas3D& canvas = ParentChart()->Canvas();
    canvas.ApplyChartPen(FPointer.Pen());
    canvas.SetBrush(color, bsSolid);
    canvas.FrameRect(x - FPointer.HorizSize(), y - FPointer.VertSize(), x + FPointer.HorizSize() + 1,
                     y + FPointer.VertSize() + 1);
}

void TCustomSeries::GetHorizMargins(int& left, int& right) const
{
    left = right = 0;
    if (FPointer.Visible() && FPointer.InflateMargins())
        left = right = FPointer.HorizSize() + 1;
}

void TCustomSeries::GetVertMargins(int& top, int& bottom) const
{
    top = bottom = 0;
    if (FPointer.Visible() && FPointer.InflateMargins())
        top = bottom = FPointer.VertSize() + 1;
}

TLineSeries::TLineSeries() : FLinePen([this] { Repaint(); })
{
    FPointer.SetVisible(false);
}

TLineSeries::~TLineSeries() = default;

void TLineSeries::GetHorizMargins(int& left, int& right) const
{
    TCustomSeries::GetHorizMargins(left, right);
    if (FStairs) {
        left = std::max(left, FLinePen.Width());
        right = std::max(right, FLinePen.Width());
    }
}

void TLineSeries::GetVertMargins(int& top, int& bottom) const
{
    TCustomSeries::GetVertMargins(top, bottom);
    if (FStairs) {
        top = std::max(top, FLinePen.Width());
        bottom = std::max(bottom, FLinePen.Width() + 1);
    }
    if (FLineHeight > 0)
        bottom = std::max(bottom, FLineHeight);
}

bool TLineSeries::CanBatch() const
{
    return FLinePen.Visible() && FLinePen.Style() == psSolid && !FLinePen.SmallDots() && FLinePen.Mode() == pmCopy
        && !FStairs && !FPointer.Visible();
}

void TLineSeries::DrawAllValues()
{
    if (!CanBatch()) {
        TChartSeries::DrawAllValues();
        return;
    }
    TSegmentBatch batch(ParentChart()->Canvas(), FLinePen);
    FBatch = &batch;
    const TScopeExit unbatch([this] { FBatch = nullptr; });
    TChartSeries::DrawAllValues();
}

void TLineSeries::DrawSegment(int x, int y, TColor color)
{
    if ((x == FPrevX && y == FPrevY) || color == clNone)
        return;
    if (FBatch) {
        FBatch->Segment(FPrevX, FPrevY, x, y, color);
        return;
    }
    TChartCanvas3D& canvas = ParentChart()->Canvas();
    canvas.ApplyChartPen(FLinePen);
    canvas.ClearBrush();
    canvas.Pen().Color = color;
    if (!FStairs) {
        canvas.LineSegment(FPrevX, FPrevY, x, y);
        return;
    }
    const QPoint corner = StairCorner(FPrevX, FPrevY, x, y);
    canvas.LineSegment(FPrevX, FPrevY, corner.x(), corner.y());
    canvas.DrawPenTo(x, y);
}

void TLineSeries::DrawMarkers(int index, int x, int y, TColor color)
{
    if (!FPointer.Visible())
        return;
    if (FPrevColor != clNone)
        DrawMarker(FPrevX, FPrevY, FPrevColor);
    if (index == LastVisible() && color != clNone)
        DrawMarker(x, y, color);
}

void TLineSeries::DrawValue(int index)
{
    const TColor color = PointColor(index);
    const int x = GetHorizAxis()->ValueToPosClamped(XValueAt(index));
    const int y = GetVertAxis()->ValueToPosClamped(YValueAt(index));
    if (!Drawable(x, y)) {
        // Skipped: the next drawable point joins the last one drawn.
        FPrevColor = color;
        return;
    }
    if (FPrevColor == clNone) {
        FPrevX = x;
        FPrevY = y;
    }
    const bool last = index == LastVisible();
    if (index == FirstVisible()) {
        if (index > 0) {
            const TCustomChartAxis& horiz = *GetHorizAxis();
            const TRect& plot = ParentChart()->PlotRect();
            FPrevX = horiz.Inverted() ? plot.Right : plot.Left;
            const double x0 = XValueAt(index - 1);
            const double x1 = XValueAt(index);
            if (FStairs || x0 == x1) {
                FPrevY = PointScreenY(index - 1);
            } else {
                const TExtended y0 = YValueAt(index - 1);
                const TExtended edge = horiz.PosToValue(FPrevX);
                const TExtended at = y0 + (YValueAt(index) - y0) * (edge - x0) / (TExtended(x1) - x0);
                FPrevY = GetVertAxis()->ValueToPosClamped(at.ToDouble());
            }
            if (PointColor(index - 1) != clNone)
                DrawSegment(x, y, color);
        }
        if (last && FPointer.Visible())
            DrawMarker(x, y, color);
    } else {
        DrawSegment(x, y, color);
        DrawMarkers(index, x, y, color);
    }
    FPrevX = x;
    FPrevY = y;
    FPrevColor = color;
}

int TLineSeries::PointAtPixel(int x, int y) const
{
    int first = FirstVisible();
    int last = LastVisible();
    if (first == -1 || last == -1)
        return -1;
    // With X ascending left to right, only the points within a marker's width of the
    // column can be hit, or the two lines that reach it: a press on a curve of a
    // million points looks at a few of them.
    const TCustomChartAxis& horiz = *GetHorizAxis();
    if (XValues().ScaledAscending() && !horiz.Inverted() && horiz.AxisLength() > 0 && horiz.RangeSize() != 0) {
        const int reach = (FPointer.Visible() ? FPointer.HorizSize() : 0) + 1;
        const int left = XValues().FirstIndexAtLeast(horiz.PosToValue(x - reach), first);
        if (left == -1)
            return -1;
        first = std::max(first, left - 1);
        const int right = XValues().FirstIndexAtLeast(horiz.PosToValue(x + reach), first);
        if (right != -1)
            last = std::min(last, right);
    }
    int prevX = 0;
    int prevY = 0;
    for (int i = first; i <= last; ++i) {
        const int cx = PointScreenX(i);
        const int cy = PointScreenY(i);
        if (FPointer.Visible() && IsPointInMarker(cx, cy, x, y))
            return i;
        if (cx == x && cy == y)
            return i;
        if (i > first) {
            const QPoint c = FStairs ? StairCorner(prevX, prevY, cx, cy) : QPoint(cx, cy);
            const bool on = PixelOnSegment(x, y, prevX, prevY, c.x(), c.y())
                || (FStairs && PixelOnSegment(x, y, c.x(), c.y(), cx, cy));
            if (on)
                return i - 1;
        }
        prevX = cx;
        prevY = cy;
    }
    return -1;
}
