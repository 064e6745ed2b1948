// Which labels an axis shows and where: numbers at a regular step, or the series'
// point labels thinned so that none collides with the one drawn before it.
#include "chart/ChartAxis.h"

#include "chart/AxisLabelValues.h"
#include "chart/AxisPainter.h"
#include "chart/AxisPanel.h"
#include "chart/ChartSeries.h"
#include "core/FirstTrue.h"
#include "numtext/FormatDecimal.h"

#include <algorithm>

TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() const
{
    if (FLabelStyle != talAuto)
        return FLabelStyle;
    bool considered = false;
    for (TChartSeries* series : FChart.SeriesList()) {
        if (!series->Active() || !series->UsesAxis(*this))
            continue;
        considered = true;
        // A line series keeps its values in Y, so its labels belong to the horizontal axis.
        if (IsHorizontal() && series->LabelCount() > 0 && !series->PointLabel(0).empty())
            return talText;
    }
    return considered ? talValue : talNone;
}

AnsiString TCustomChartAxis::ValueLabelText(double value, bool askChart)
{
    if (!askChart || !FChart.OnGetAxisLabel)
        return ::ValueLabelText(FAxisValuesFormat, FLabelsMultiLine, value);
    return ::ValueLabelText(FAxisValuesFormat, FLabelsMultiLine, value,
                            [this](AnsiString& text) { FChart.OnGetAxisLabel(*this, nullptr, -1, text); });
}

void TCustomChartAxis::AddTick(int pos)
{
    if (FTickPositions.size() < kMaxTickPositions)
        FTickPositions.push_back(pos);
}

void TCustomChartAxis::DrawLabel(TAxisPainter& painter, int pos, const AnsiString& text)
{
    if (FTickOnLabelsOnly)
        AddTick(pos);
    painter.DrawLabel(pos, text);
}

void TCustomChartAxis::PlaceValueLabel(TAxisPainter& painter, double value)
{
    const int pos = ValueToPos(value);
    if (!FLabelsOnAxis && !(AxisStart() < pos && pos < AxisEnd()))
        return;
    if (!FTickOnLabelsOnly)
        AddTick(pos);
    if (FLabels)
        DrawLabel(painter, pos, ValueLabelText(value));
}

void TCustomChartAxis::DrawValueLabels(TAxisPainter& painter, double step)
{
    for (const double value : ValueLabelValues(RangeMin(), RangeMax(), step, FRoundFirstLabel))
        PlaceValueLabel(painter, value);
}

void TCustomChartAxis::DrawCustomValueLabels(TAxisPainter& painter, double step)
{
    double value = RangeMin();
    bool stop = true;
    for (int index = 0; index <= 2000; ++index) {
        FChart.OnGetNextAxisLabel(*this, index, value, stop);
        if (stop) {
            if (index == 0)
                DrawValueLabels(painter, step);
            return;
        }
        if (!(RangeMin() - 1e-7 <= value && value <= RangeMax() + 1e-7))
            return;
        PlaceValueLabel(painter, value);
    }
}

std::vector<TChartSeries*> TCustomChartAxis::LabelledSeries() const
{
    std::vector<TChartSeries*> listed;
    for (TChartSeries* series : FChart.SeriesList())
        if (series->Active() && series->UsesAxis(*this) && series->PointCount() > 0)
            listed.push_back(series);
    return listed;
}

AnsiString TCustomChartAxis::SeriesLabelText(TChartSeries& series, int index, TAxisLabelStyle style)
{
    AnsiString text = style == talText ? series.PointLabel(index)
                                       : FormatDecimal(series.ValueFormat(), series.YValueAt(index));
    if (FChart.OnGetAxisLabel)
        FChart.OnGetAxisLabel(*this, &series, index, text);
    return text;
}

void TCustomChartAxis::DrawSeriesLabels(TAxisPainter& painter, TAxisLabelStyle style)
{
    const std::vector<TChartSeries*> listed = LabelledSeries();
    int first = -1;
    int last = -1;
    for (TChartSeries* series : listed) {
        series->UpdateVisibleRange();
        if (series->FirstVisible() != -1 && (first == -1 || series->FirstVisible() < first))
            first = series->FirstVisible();
        last = std::max(last, series->LastVisible());
    }
    if (first == -1)
        return;

    const bool along = IsHorizontal() != (FLabelsAngle == 90 || FLabelsAngle == 270);
    // With one series whose X values ascend on a horizontal axis that is not reversed,
    // label positions never decrease. A label then fits only at or beyond the end of
    // the half-width claimed by the one before it, so the labels in between can be
    // passed over unseen: they would be measured and dropped without a tick. This is
    // what keeps a curve of a million labelled points from measuring every label.
    const bool ascending = listed.size() == 1 && IsHorizontal() && !Inverted() && AxisLength() >= 0
        && listed.front()->XValues().ScaledAscending() && FTickOnLabelsOnly && FLabels
        && FLabelsSeparation != 0 && !FChart.OnGetAxisLabel;
    TChartSeries* const only = listed.front();
    // The first index from `from` on whose label stands at or beyond the target pixel
    // (or past the range), last + 1 when none: a search that doubles its stride, so
    // that it costs little whether the answer is near or far.
    const auto firstReaching = [&](int from, int target) {
        const auto reaches = [&](int index) {
            const double value = only->XValueAt(index);
            return value > RangeMax() || (value >= RangeMin() && ValueToPos(value) >= target);
        };
        if (from > last || reaches(from))
            return from;
        int lo = from; // does not reach
        int stride = 1;
        int hi = from + 1;
        while (hi <= last && !reaches(hi)) {
            lo = hi;
            stride *= 2;
            hi = lo + stride;
        }
        return FirstTrue(lo + 1, std::min(hi, last + 1), reaches);
    };
    // Labels that share a pixel share its position, found once for them all.
    int groupEnd = -1;
    int groupPos = 0;
    const auto positionOf = [&](int index, double value) {
        if (!ascending)
            return ValueToPos(value);
        if (index >= groupEnd) {
            groupPos = ValueToPos(value);
            groupEnd = firstReaching(index + 1, groupPos + 1);
        }
        return groupPos;
    };

    TLabelThinning thinning(FLabelsSeparation);
    for (int i = first; i <= last; ++i) {
        if (ascending && !thinning.Empty()) {
            i = firstReaching(i, thinning.FreeFrom());
            if (i > last)
                break;
        }
        TChartSeries* series = nullptr;
        for (TChartSeries* candidate : listed)
            if (candidate->LabelCount() > i) {
                series = candidate;
                break;
            }
        if (!series)
            continue;
        const AnsiString text = SeriesLabelText(*series, i, style);
        const double value = IsHorizontal() ? series->XValueAt(i) : series->YValueAt(i);
        if (!(RangeMin() <= value && value <= RangeMax())) {
            if (ascending && value > RangeMax())
                break;
            continue;
        }
        const int pos = positionOf(i, value);
        if (!FTickOnLabelsOnly)
            AddTick(pos);
        if (!FLabels)
            continue;
        if (thinning.Take(pos, SizeAcross(text, along, *FLabelsFont)))
            DrawLabel(painter, pos, text);
    }
}
