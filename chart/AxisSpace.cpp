// The room an axis takes across itself (title, labels, ticks), and where it answers the mouse.
#include "chart/ChartAxis.h"

#include "chart/AxisLabelValues.h"
#include "chart/AxisPanel.h"
#include "chart/ChartSeries.h"
#include "chart/PixelRound.h"
#include "numtext/FormatDecimal.h"

#include <algorithm>

int TCustomChartAxis::TickExtent() const
{
    int extent = (FAxisPen.Visible() ? FAxisPen.Width() : 0) + (FTicks.Visible() ? FTickLength : 0);
    if (FMinorTicks.Visible())
        extent = std::max(extent, FMinorTickLength);
    return extent;
}

bool TCustomChartAxis::RunsAlong(int angle) const
{
    return IsHorizontal() ? angle == 0 || angle == 180 : angle == 90 || angle == 270;
}

int TCustomChartAxis::LabelsExtent()
{
    if (FLabelsSize != 0)
        return FLabelsSize;
    const TChartFont& font = *FLabelsFont;
    TTextMetrics& metrics = FChart.Canvas().TextMetrics();
    if (RunsAlong(FLabelsAngle))
        return metrics.TextHeight(font);
    switch (EffectiveLabelStyle()) {
    case talValue: {
        double lo = RangeMin();
        double hi = RangeMax();
        if (FRoundFirstLabel) {
            const double step = LabelStep();
            lo = RoundedToStep(RangeMin(), step);
            hi = RoundedToStep(RangeMax(), step);
        }
        return std::max(WidestLine(ValueLabelText(hi, false), font), WidestLine(ValueLabelText(lo, false), font))
            + metrics.TextWidth(font, " ");
    }
    case talText: {
        int widest = 0;
        for (TChartSeries* series : FChart.SeriesList())
            for (int i = 0; i < series->LabelCount(); ++i)
                widest = std::max(widest, WidestLine(series->PointLabel(i), font));
        return widest;
    }
    case talMark: {
        int widest = 0;
        for (TChartSeries* series : FChart.SeriesList())
            if (series->Active())
                for (int i = 0; i < series->PointCount(); ++i)
                    widest = std::max(widest, WidestLine(FormatDecimal(series->ValueFormat(), series->YValueAt(i)), font));
        return widest;
    }
    default:
        return 0;
    }
}

int TCustomChartAxis::TitleExtent()
{
    if (FTitleSize != 0)
        return FTitleSize;
    TTextMetrics& metrics = FChart.Canvas().TextMetrics();
    const TChartFont& font = FTitle.Font();
    return RunsAlong(FTitle.Angle()) ? metrics.TextHeight(font) : metrics.TextWidth(font, FTitle.Caption());
}

int TCustomChartAxis::Cut(TRect& rect, int n) const
{
    if (IsHorizontal())
        return FOtherSide ? (rect.Top += n) : (rect.Bottom -= n);
    return FOtherSide ? (rect.Right -= n) : (rect.Left += n);
}

int TCustomChartAxis::Shifted(int pos, const TRect& rect) const
{
    if (FPositionPercent == 0)
        return pos;
    int shift = RoundPixel(FPositionPercent * kPercent * (IsHorizontal() ? rect.Height() : rect.Width()));
    if (FOtherSide)
        shift = -shift;
    return IsHorizontal() ? pos - shift : pos + shift;
}

void TCustomChartAxis::ReserveAxisSpace(TRect& rect)
{
    if (!FTitle.Caption().empty())
        FTitlePos = Cut(rect, TitleExtent());
    if (FLabels)
        FLabelsPos = Cut(rect, LabelsExtent());
    const int ticks = TickExtent() + FChart.WallSize(*this);
    if (ticks > 0)
        Cut(rect, ticks);
    FTitlePos = Shifted(FTitlePos, rect);
    FLabelsPos = Shifted(FLabelsPos, rect);
}

bool TCustomChartAxis::AxisHitTest(int x, int y) const
{
    if (!FChart.AxisIsShown(*this))
        return false;
    const int lo = std::min(AxisStart(), AxisEnd());
    const int hi = std::max(AxisStart(), AxisEnd());
    const int bandStart = FLabelsPos < FLinePos ? FLabelsPos : FLinePos - 3;
    const int bandEnd = FLabelsPos < FLinePos ? FLinePos + 3 : FLabelsPos;
    const TRect band = IsHorizontal() ? TRect{lo, bandStart, hi, bandEnd} : TRect{bandStart, lo, bandEnd, hi};
    return band.Contains(x, y);
}
