#include "chart/AxisPainter.h"

#include "chart/ChartAxis.h"
#include "chart/ChartCanvas.h"
#include "chart/PixelRound.h"
#include "chart/TextLines.h"

namespace {

// Minor ticks between each two neighbouring major ticks, and the first interval's
// spacing continued beyond both ends; only those strictly inside the axis.
std::vector<int> MinorTickPositions(const std::vector<int>& p, int count, int axisStart, int axisEnd)
{
    std::vector<int> minor;
    if (p.empty() || count < 1)
        return minor;
    const auto keep = [&](int pos) {
        if (axisStart < pos && pos < axisEnd)
            minor.push_back(pos);
    };
    if (p.size() >= 2) {
        for (int j = 1; j <= count; ++j) {
            const int d = RoundPixel(TExtended(p[1] - p[0]) / (count + 1) * j);
            keep(p.front() - d);
            keep(p.back() + d);
        }
    }
    for (std::size_t i = 1; i < p.size(); ++i)
        for (int j = 1; j <= count; ++j)
            keep(p[i] - RoundPixel(TExtended(j) * (p[i] - p[i - 1]) / (count + 1)));
    return minor;
}

} // namespace

TAxisPainter::TAxisPainter(TCustomChartAxis& axis, TChartCanvas3D& canvas, const TRect& plot, TColor background)
    : FAxis(axis), FCanvas(canvas), FPlot(plot), FBackground(background)
{
}

void TAxisPainter::SetFont(const TChartFont& font)
{
    FCanvas.Font().Assign(font);
    FCanvas.SetBrush(FBackground, bsClear);
}

void TAxisPainter::DrawText(int x, int y, const AnsiString& text, int angle)
{
    const int n = LineCount(text);
    const int h = FCanvas.FontHeight();
    const bool otherSide = FAxis.IsOtherSide();
    if (angle == 0 && FAxis.IsHorizontal()) {
        // Centred on x, below y on the bottom axis, above it on the top axis.
        if (otherSide) {
            FCanvas.SetTextAlign(htaCenter, vtaBottom);
            y -= h * n;
            ForEachLine(text, [&](std::string_view line) {
                y += h;
                FCanvas.WriteText(x, y, AnsiString(line));
            });
        } else {
            FCanvas.SetTextAlign(htaCenter, vtaTop);
            ForEachLine(text, [&](std::string_view line) {
                FCanvas.WriteText(x, y, AnsiString(line));
                y += h;
            });
        }
    } else if (angle == 0) {
        // Ending at x on the left axis, beginning there on the right one; the block centred on y.
        FCanvas.SetTextAlign(otherSide ? htaLeft : htaRight, vtaTop);
        y -= Div(h, 2) + RoundPixel(TExtended(h) * 0.5 * (n + 1));
        ForEachLine(text, [&](std::string_view line) {
            y += h;
            FCanvas.WriteText(x, y, AnsiString(line));
        });
    } else if (angle == 90 || angle == 270) {
        // Reading upward to the left of x, or downward to the right of it; centred on y.
        FCanvas.SetTextAlign(htaCenter, vtaBottom);
        const int side = angle == 90 ? -1 : 1;
        x += side * h * n;
        ForEachLine(text, [&](std::string_view line) {
            x -= side * h;
            FCanvas.WriteRotatedText(x, y, angle, AnsiString(line));
        });
    } else if (angle == 180) {
        // Upside down, each line below the one before.
        FCanvas.SetTextAlign(htaCenter, vtaBottom);
        ForEachLine(text, [&](std::string_view line) {
            FCanvas.WriteRotatedText(x, y, angle, AnsiString(line));
            y += h;
        });
    } else {
        FCanvas.SetTextAlign(htaLeft, vtaTop);
        ForEachLine(text, [&](std::string_view line) { FCanvas.WriteRotatedText(x, y, angle, AnsiString(line)); });
    }
    FCanvas.SetTextAlign(htaLeft, vtaTop);
}

void TAxisPainter::DrawTitle()
{
    const TChartAxisTitle& title = FAxis.Title();
    if (title.Caption().empty())
        return;
    SetFont(title.Font());
    if (FAxis.IsHorizontal())
        DrawText(FAxis.AxisCenter(), FAxis.TitlePos(), title.Caption(), title.Angle());
    else
        DrawText(FAxis.TitlePos(), FAxis.AxisCenter(), title.Caption(), title.Angle());
}

void TAxisPainter::DrawLabel(int pos, const AnsiString& text)
{
    SetFont(FAxis.LabelsFont());
    if (FAxis.IsHorizontal())
        DrawText(pos, FAxis.LabelsPos(), text, FAxis.LabelsAngle());
    else
        DrawText(FAxis.LabelsPos(), pos, text, FAxis.LabelsAngle());
}

void TAxisPainter::DrawTick(int pos, int from, int length)
{
    if (FAxis.IsHorizontal())
        FCanvas.VerticalLine(pos, from, from + length);
    else
        FCanvas.HorizontalLine(from, from + length, pos);
}

void TAxisPainter::DrawGridLine(int pos, const TChartPen& pen)
{
    FCanvas.ApplyChartPen(pen);
    if (pen.Color() == AutoColor)
        FCanvas.Pen().Color = 0x808080;
    if (FAxis.IsHorizontal())
        FCanvas.VerticalLine(pos, FPlot.Top, FPlot.Bottom);
    else
        FCanvas.HorizontalLine(FPlot.Left, FPlot.Right, pos);
}

void TAxisPainter::DrawTicksAndGrid(const std::vector<int>& ticks)
{
    TCustomChartAxis& axis = FAxis;
    const int line = axis.LinePos();
    // Ticks point away from the plot: down on the bottom axis, left on the left one.
    const int outward = (axis.IsHorizontal() != axis.IsOtherSide()) ? 1 : -1;
    if (axis.Axis().Visible()) {
        FCanvas.ApplyChartPen(axis.Axis());
        if (axis.IsHorizontal())
            FCanvas.HorizontalLine(axis.AxisStart(), axis.AxisEnd(), line);
        else
            FCanvas.VerticalLine(line, axis.AxisStart(), axis.AxisEnd());
    }
    if (axis.Ticks().Visible()) {
        FCanvas.ApplyChartPen(axis.Ticks());
        for (const int pos : ticks)
            DrawTick(pos, line + outward, outward * axis.TickLength());
    }
    if (axis.Grid().Visible()) {
        // Transparent, so that the dots of a dotted pen leave gaps.
        FCanvas.ClearBrush();
        FCanvas.SetBackMode(bmTransparent);
        if (axis.GridCentered()) {
            for (std::size_t i = 1; i < ticks.size(); ++i)
                DrawGridLine(RoundPixel((ticks[i] + TExtended(ticks[i - 1])) * 0.5), axis.Grid());
        } else {
            for (const int pos : ticks)
                DrawGridLine(pos, axis.Grid());
        }
        FCanvas.SetBackMode(bmOpaque);
    }
    if (axis.TicksInner().Visible()) {
        FCanvas.ApplyChartPen(axis.TicksInner());
        for (const int pos : ticks)
            DrawTick(pos, line - outward, -outward * axis.TickInnerLength());
    }
    const std::vector<int> minor = MinorTickPositions(ticks, axis.MinorTickCount(), axis.AxisStart(), axis.AxisEnd());
    if (axis.MinorTicks().Visible()) {
        FCanvas.ApplyChartPen(axis.MinorTicks());
        for (const int pos : minor)
            DrawTick(pos, line + outward, outward * axis.MinorTickLength());
    }
    if (axis.MinorGrid().Visible())
        for (const int pos : minor)
            DrawGridLine(pos, axis.MinorGrid());
}
