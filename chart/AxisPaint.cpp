// Painting one axis: title, labels, then axis line, ticks, grid and minor ticks.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "chart/PixelRound.h"

void TCustomChartAxis::DrawTitle()
{
    if (FTitle.Caption().empty())
        return;
    FChart.SetCanvasFont(FTitle.Font());
    FChart.Canvas().SetBrush(FChart.Color(), bsClear);
    if (IsHorizontal())
        DrawAxisText(AxisCenter(), FTitlePos, FTitle.Caption(), FTitle.Angle());
    else
        DrawAxisText(FTitlePos, AxisCenter(), FTitle.Caption(), FTitle.Angle());
}

void TCustomChartAxis::PaintAxis()
{
    const double step = LabelStep();
    const TRect& plot = FChart.PlotRect();
    const int edge = IsHorizontal() ? (FOtherSide ? plot.Top : plot.Bottom) : (FOtherSide ? plot.Right : plot.Left);
    FLinePos = Shifted(edge, plot);
    DrawTitle();
    FTickPositions.clear();
    const TAxisLabelStyle style = EffectiveLabelStyle();
    if (step > 0 && RangeMax() >= RangeMin()) {
        switch (style) {
        case talValue:
            if (FChart.OnGetNextAxisLabel)
                DrawCustomValueLabels(step);
            else
                DrawValueLabels(step);
            break;
        case talMark:
        case talText:
            DrawSeriesLabels(style);
            break;
        default:
            break;
        }
    }
    DrawTicksAndGrid();
}

void TCustomChartAxis::DrawTick(int pos, int from, int length)
{
    TChartCanvas3D& canvas = FChart.Canvas();
    if (IsHorizontal())
        canvas.VerticalLine(pos, from, from + length);
    else
        canvas.HorizontalLine(from, from + length, pos);
}

void TCustomChartAxis::DrawGridLine(int pos, const TChartPen& pen)
{
    TChartCanvas3D& canvas = FChart.Canvas();
    canvas.ApplyChartPen(pen);
    if (pen.Color() == AutoColor)
        canvas.Pen().Color = 0x808080;
    const TRect& plot = FChart.PlotRect();
    if (IsHorizontal())
        canvas.VerticalLine(pos, plot.Top, plot.Bottom);
    else
        canvas.HorizontalLine(plot.Left, plot.Right, pos);
}

std::vector<int> TCustomChartAxis::MinorTickPositions() const
{
    std::vector<int> minor;
    const std::vector<int>& p = FTickPositions;
    if (p.empty() || FMinorTickCount < 1)
        return minor;
    const int count = FMinorTickCount;
    const auto keep = [&](int pos) {
        if (AxisStart() < pos && pos < AxisEnd())
            minor.push_back(pos);
    };
    if (p.size() >= 2) {
        // The first interval's spacing continued beyond both ends.
        for (int j = 1; j <= count; ++j) {
            const int d = RoundPixel(static_cast<long double>(p[1] - p[0]) / (count + 1) * j);
            keep(p.front() - d);
            keep(p.back() + d);
        }
    }
    for (std::size_t i = 1; i < p.size(); ++i)
        for (int j = 1; j <= count; ++j)
            keep(p[i] - RoundPixel(static_cast<long double>(j) * (p[i] - p[i - 1]) / (count + 1)));
    return minor;
}

void TCustomChartAxis::DrawTicksAndGrid()
{
    TChartCanvas3D& canvas = FChart.Canvas();
    // Ticks point away from the plot: down and right on the near sides' mirror images.
    const int outward = (IsHorizontal() != FOtherSide) ? 1 : -1;
    if (FAxisPen.Visible()) {
        canvas.ApplyChartPen(FAxisPen);
        if (IsHorizontal())
            canvas.HorizontalLine(AxisStart(), AxisEnd(), FLinePos);
        else
            canvas.VerticalLine(FLinePos, AxisStart(), AxisEnd());
    }
    if (FTicks.Visible()) {
        canvas.ApplyChartPen(FTicks);
        for (const int pos : FTickPositions)
            DrawTick(pos, FLinePos + outward, outward * FTickLength);
    }
    if (FGrid.Visible()) {
        // Transparent, so that the dots of a dotted pen leave gaps.
        canvas.ClearBrush();
        canvas.SetBackMode(bmTransparent);
        if (FGridCentered) {
            for (std::size_t i = 1; i < FTickPositions.size(); ++i)
                DrawGridLine(RoundPixel((FTickPositions[i] + static_cast<long double>(FTickPositions[i - 1])) * 0.5L), FGrid);
        } else {
            for (const int pos : FTickPositions)
                DrawGridLine(pos, FGrid);
        }
        canvas.SetBackMode(bmOpaque);
    }
    if (FTicksInner.Visible()) {
        canvas.ApplyChartPen(FTicksInner);
        for (const int pos : FTickPositions)
            DrawTick(pos, FLinePos - outward, -outward * FTickInnerLength);
    }
    const std::vector<int> minor = MinorTickPositions();
    if (FMinorTicks.Visible()) {
        canvas.ApplyChartPen(FMinorTicks);
        for (const int pos : minor)
            DrawTick(pos, FLinePos + outward, outward * FMinorTickLength);
    }
    if (FMinorGrid.Visible())
        for (const int pos : minor)
            DrawGridLine(pos, FMinorGrid);
}
