#include "chart/LineSeries.h"

#include "chart/AxisPixels.h"
#include "chart/ChartAxis.h"
#include "chart/ChartCanvas.h"
#include "chart/ColumnWalk.h"
#include "chart/LineRaster.h"
#include "chart/SegmentBatch.h"
#include "core/Extended.h"
#include "core/FirstTrue.h"
#include "core/ScopeExit.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

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

bool TLineSeries::CanReduceColumns() const
{
    // Lines drawn in another order leave the same pixels when they are drawn alike,
    // each replacing the pixels under it, and no marker stands on a point. X must
    // rise for the points of a column to follow each other.
    return FirstVisible() != -1 && XValues().ScaledAscending() && OneColor() && SeriesColor() != clNone
        && FLinePen.Mode() == pmCopy && !FPointer.Visible();
}

void TLineSeries::DrawAllValues()
{
    std::optional<TSegmentBatch> batch;
    if (CanBatch())
        batch.emplace(ParentChart()->Canvas(), FLinePen);
    FBatch = batch ? &*batch : nullptr;
    const TScopeExit unbatch([this] { FBatch = nullptr; });
    if (CanReduceColumns())
        DrawColumns();
    else
        TChartSeries::DrawAllValues();
}

void TLineSeries::DrawColumns()
{
    const int first = FirstVisible();
    const int last = LastVisible();
    DrawValue(first); // it enters from the plot's edge
    const TAxisPixels columns(GetHorizAxis()->Mapping());
    const TAxisPixels rows(GetVertAxis()->Mapping());
    TChartCanvas3D& canvas = ParentChart()->Canvas();
    canvas.ApplyChartPen(FLinePen);
    const std::span<const int> pattern = DashPattern(canvas.Pen().Style, canvas.Pen().Alternate);
    const int dash = pattern.empty() ? 0 : pattern.front();
    const auto columnOf = [&](int index) { return columns.PosClamped(XValues().ValueInRange(index)); };
    for (int from = first + 1; from <= last;) {
        const int x = columnOf(from);
        const int to = FirstTrueNear(from + 1, last + 1, [&](int index) { return columnOf(index) != x; });
        DrawColumn(from, to, x, rows, dash);
        from = to;
    }
}

void TLineSeries::DrawColumn(int from, int to, int x, const TAxisPixels& rows, int dash)
{
    const auto drawEach = [&](int begin) {
        for (int i = begin; i < to; ++i)
            DrawValue(i);
    };
    const TColumnWalk walk = WalkOfColumn(from, to, rows, dash != 0);
    if (!Drawable(x, walk.Lowest()) || !Drawable(x, walk.Highest())) {
        drawEach(from); // some are skipped
        return;
    }
    const TColor color = SeriesColor();
    JoinTo(x, walk.First(), color);
    if (dash == 0) {
        int reduced[4];
        for (const int row : walk.Reduced(reduced).subspan(1))
            JoinTo(x, row, color);
        return;
    }
    // A dashed pen starts its pattern afresh on every line: lines no longer than its
    // first dash are drawn whole, so together they are a solid run of rows. A longer
    // one shows its own gaps and is drawn as it is.
    if (walk.LongestStep() > dash) {
        drawEach(from + 1);
        return;
    }
    int low = 0;
    int high = 0;
    if (walk.Covered(low, high)) {
        PrepareLinePen(color);
        for (int y = low; y <= high; y += dash)
            ParentChart()->Canvas().VerticalLine(x, y, std::min(y + dash, high + 1));
    }
    FPrevY = walk.Last();
}

TColumnWalk TLineSeries::WalkOfColumn(int from, int to, const TAxisPixels& rows, bool stepsWanted) const
{
    // A solid pen needs no steps: the walk comes from the values at a few rows' cost.
    if (!stepsWanted && YValues().Multiplier() == 1)
        if (const auto walk = TColumnWalk::OfValues(YValues().StoredValues().subspan(from, to - from), rows))
            return *walk;
    const auto rowOf = [&](int index) { return rows.PosClamped(YValues().ValueInRange(index)); };
    TColumnWalk walk(rowOf(from));
    for (int i = from + 1; i < to; ++i)
        walk.Add(rowOf(i));
    return walk;
}

void TLineSeries::PrepareLinePen(TColor color)
{
    TChartCanvas3D& canvas = ParentChart()->Canvas();
    canvas.ApplyChartPen(FLinePen);
    canvas.ClearBrush();
    canvas.Pen().Color = color;
}

void TLineSeries::JoinTo(int x, int y, TColor color)
{
    DrawSegment(x, y, color);
    FPrevX = x;
    FPrevY = y;
    FPrevColor = color;
}

void TLineSeries::DrawSegment(int x, int y, TColor color)
{
    if ((x == FPrevX && y == FPrevY) || color == clNone)
        return;
    if (FBatch) {
        FBatch->Segment(FPrevX, FPrevY, x, y, color);
        return;
    }
    PrepareLinePen(color);
    TChartCanvas3D& canvas = ParentChart()->Canvas();
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
