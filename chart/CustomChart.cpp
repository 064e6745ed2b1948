#include "chart/CustomChart.h"

#include <algorithm>

TCustomChart::TCustomChart()
    : FBackWall([this] { Invalidate(); }, AutoColor),
      FLeftWall([this] { Invalidate(); }, 0x80FFFF),
      FBottomWall([this] { Invalidate(); }, clWhite),
      FTitle([this] { Invalidate(); }),
      FFoot([this] { Invalidate(); }),
      FLegend([this] { Invalidate(); })
{
    FBackWall.Brush().SetStyle(bsClear);
    EndConstruction();
}

TChartClickedPart TCustomChart::ClickedPart(int x, int y) const
{
    const std::vector<TChartSeries*>& series = SeriesList();
    for (auto s = series.rbegin(); s != series.rend(); ++s) {
        if (!(*s)->Active())
            continue;
        const int index = (*s)->PointAtPixel(x, y);
        if (index != -1)
            return {cpSeries, *s, index, nullptr};
    }
    for (TCustomChartAxis* axis : AxesList())
        if (axis->AxisHitTest(x, y))
            return {cpAxis, nullptr, -1, axis};
    if (FTitle.Visible() && FTitle.TitleRect().Contains(x, y))
        return {cpTitle};
    if (FFoot.Visible() && FFoot.TitleRect().Contains(x, y))
        return {cpFoot};
    if (PlotRect().Contains(x, y) && std::any_of(series.begin(), series.end(), [](const TChartSeries* s) { return s->Active(); }))
        return {cpChartRect};
    // The legend draws nothing, so nothing lies on it.
    return {};
}

void TCustomChart::DrawTitlesAndLegend()
{
    // The legend draws nothing, so the title comes first and the foot after it.
    if (FTitle.Visible())
        FTitle.Draw(Canvas(), FPlotRect, false);
    if (FFoot.Visible())
        FFoot.Draw(Canvas(), FPlotRect, true);
}

void TCustomChart::CalcAxesRect()
{
    for (TCustomChartAxis* axis : AxesList())
        axis->ComputeRange();
    NormalisePlotRect();
    TRect remaining = FPlotRect;
    for (TCustomChartAxis* axis : AxesList()) {
        if (!AxisIsShown(*axis))
            continue;
        TRect reserved = remaining;
        axis->ReserveAxisSpace(reserved);
        Intersect(reserved, remaining, remaining);
    }
    FPlotRect = remaining;
    NormalisePlotRect();
    for (TCustomChartAxis* axis : AxesList())
        axis->PlaceAxis();
}

void TCustomChart::CalcSeriesMargins()
{
    for (TChartAxis* axis : SideAxes()) {
        // A vertical axis starts at the top, at its maximum.
        const bool horizontal = axis->IsHorizontal();
        const bool startAutomatic = horizontal ? axis->AutomaticMinimum() : axis->AutomaticMaximum();
        const bool endAutomatic = horizontal ? axis->AutomaticMaximum() : axis->AutomaticMinimum();
        int start = 0;
        int end = 0;
        for (TChartSeries* series : SeriesList()) {
            if (!series->Active() || !series->UsesAxis(*axis))
                continue;
            int a = 0;
            int b = 0;
            if (horizontal)
                series->GetHorizMargins(a, b);
            else
                series->GetVertMargins(a, b);
            if (startAutomatic)
                start = std::max(start, a);
            if (endAutomatic)
                end = std::max(end, b);
        }
        axis->FitRangeToMargins(start, end);
    }
}

void TCustomChart::DrawWalls()
{
    TChartCanvas3D& canvas = Canvas();
    canvas.ApplyChartPen(FBackWall.Pen());
    const TBrushStyle style = FBackWall.Brush().Style();
    if (FBackWall.Color() == AutoColor && style == bsSolid) {
        canvas.ClearBrush();
    } else {
        canvas.SetBrush(FBackWall.Color(), style);
        if (style != bsSolid && style != bsClear) {
            // A hatched wall: the brush colour behind the pattern, opaque.
            TColor back = FBackWall.Brush().Color();
            canvas.SetBackColor(back);
            canvas.SetBackMode(bmOpaque);
            if (FBackWall.Color() == back)
                canvas.Brush().Color = back == clBlack ? clWhite : clBlack;
        }
    }
    const TRect& plot = PlotRect();
    canvas.FrameRect(plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1);
}

int TCustomChart::WallSize(const TCustomChartAxis&) const
{
    return 0;
}

bool TCustomChart::IsFreeSeriesColor(TColor color) const
{
    return color != Color() && color != FBackWall.Color()
        && std::none_of(SeriesList().begin(), SeriesList().end(),
                        [&](const TChartSeries* s) { return s->SeriesColor() == color; });
}
