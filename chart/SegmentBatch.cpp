#include "chart/SegmentBatch.h"

#include "chart/ChartCanvas.h"

#include <algorithm>

TSegmentBatch::TSegmentBatch(TChartCanvas3D& canvas, const TChartPen& pen) : FCanvas(canvas), FPen(pen) {}

void TSegmentBatch::Draw(int x0, int y0, int x1, int y1, TColor color)
{
    FCanvas.ApplyChartPen(FPen);
    FCanvas.Pen().Color = color;
    FCanvas.LineSegment(x0, y0, x1, y1);
}

void TSegmentBatch::Flush()
{
    if (FKind == skColumn)
        Draw(FFixed, FLo, FFixed, FHi + 1, FColor);
    else if (FKind == skRow)
        Draw(FLo, FFixed, FHi + 1, FFixed, FColor);
    FKind = skNone;
}

void TSegmentBatch::Segment(int x0, int y0, int x1, int y1, TColor color)
{
    const TKind kind = x0 == x1 ? skColumn : y0 == y1 ? skRow : skNone;
    if (kind == skNone) {
        Flush();
        Draw(x0, y0, x1, y1, color);
        return;
    }
    const int fixed = kind == skColumn ? x0 : y0;
    const int start = kind == skColumn ? y0 : x0;
    const int end = kind == skColumn ? y1 : x1;
    // The pixels the segment covers: from its start up to the one before its end.
    const int lo = end > start ? start : end + 1;
    const int hi = end > start ? end - 1 : start;
    // It joins the span when it starts on or next to it: the union is then one run.
    const bool joins = FKind == kind && FFixed == fixed && FColor == color && start >= FLo - 1 && start <= FHi + 1;
    if (joins) {
        FLo = std::min(FLo, lo);
        FHi = std::max(FHi, hi);
        return;
    }
    Flush();
    FKind = kind;
    FFixed = fixed;
    FLo = lo;
    FHi = hi;
    FColor = color;
}
