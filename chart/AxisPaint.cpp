// Painting one axis: title, labels, then axis line, ticks, grid and minor ticks.
#include "chart/ChartAxis.h"

#include "chart/AxisPainter.h"
#include "chart/AxisPanel.h"

TAxisPainter TCustomChartAxis::Painter()
{
    return TAxisPainter(*this, FChart.Canvas(), FChart.PlotRect(), FChart.Color());
}

void TCustomChartAxis::PaintAxis()
{
    const double step = LabelStep();
    const TRect& plot = FChart.PlotRect();
    const int edge = IsHorizontal() ? (FOtherSide ? plot.Top : plot.Bottom) : (FOtherSide ? plot.Right : plot.Left);
    FLinePos = Shifted(edge, plot);
    TAxisPainter painter = Painter();
    painter.DrawTitle();
    FTickPositions.clear();
    const TAxisLabelStyle style = EffectiveLabelStyle();
    if (step > 0 && RangeMax() >= RangeMin()) {
        switch (style) {
        case talValue:
            if (FChart.OnGetNextAxisLabel)
                DrawCustomValueLabels(painter, step);
            else
                DrawValueLabels(painter, step);
            break;
        case talMark:
        case talText:
            DrawSeriesLabels(painter, style);
            break;
        default:
            break;
        }
    }
    painter.DrawTicksAndGrid(FTickPositions);
}

void TCustomChartAxis::DrawAxisText(int x, int y, const AnsiString& text, int angle)
{
    Painter().DrawText(x, y, text, angle);
}
