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
    AnsiString text = style == talText ? AnsiString(series.PointLabel(index))
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
    const bool rising = listed.size() == 1 && IsHorizontal() && !Inverted() && AxisLength() >= 0
        && listed.front()->XValues().ScaledAscending() && FTickOnLabelsOnly && FLabels && FLabelsSeparation != 0
        && !FChart.OnGetAxisLabel;
    if (rising) {
        DrawRisingSeriesLabels(painter, *listed.front(), first, last, style, along);
        return;
    }
    TLabelThinning thinning(FLabelsSeparation);
    for (int i = first; i <= last; ++i) {
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
        if (!(RangeMin() <= value && value <= RangeMax()))
            continue;
        const int pos = ValueToPos(value);
        if (!FTickOnLabelsOnly)
            AddTick(pos);
        if (!FLabels)
            continue;
        if (thinning.Take(pos, SizeAcross(text, along, *FLabelsFont)))
            DrawLabel(painter, pos, text);
    }
}

void TCustomChartAxis::DrawRisingSeriesLabels(TAxisPainter& painter, TChartSeries& series, int first, int last,
                                              TAxisLabelStyle style, bool along)
{
    // The positions never decrease. A label fits only at or beyond the end of the room
    // claimed by the one drawn before it, so the labels short of that are passed over
    // unread: they would be measured and dropped without a tick. Labels that share a
    // pixel share its position, found once for them all. This keeps a curve of a
    // million labelled points from reading every label.
    const TChartValueList& xs = series.XValues();
    const auto posOf = [&](int index) { return ValueToPos(xs.ValueInRange(index)); };
    // The labels within the range: those below it come first, those above it last.
    const int end = std::min(FirstTrue(first, last + 1, [&](int i) { return xs.ValueInRange(i) > RangeMax(); }),
                             series.LabelCount());
    // The first label from `from` on that stands at or beyond the pixel.
    const auto firstReaching = [&](int from, int target) {
        return FirstTrueNear(from, end, [&](int index) { return posOf(index) >= target; });
    };
    TLabelThinning thinning(FLabelsSeparation);
    AnsiString formatted;
    // Neighbouring points often carry the same text: it is measured once for them.
    AnsiString measured;
    int measuredSize = -1;
    const auto sizeOf = [&](std::string_view text) {
        if (measuredSize < 0 || text != measured) {
            measured = text;
            measuredSize = SizeAcross(text, along, *FLabelsFont);
        }
        return measuredSize;
    };
    int i = FirstTrue(first, end, [&](int index) { return xs.ValueInRange(index) >= RangeMin(); });
    while (i < end) {
        const int pos = posOf(i);
        if (!thinning.Empty() && pos < thinning.FreeFrom()) {
            i = firstReaching(i, thinning.FreeFrom());
            continue;
        }
        // The labels at this pixel, in order, until one fits.
        for (const int pixelEnd = firstReaching(i + 1, pos + 1); i < pixelEnd;) {
            const std::string_view text = style == talText
                ? series.PointLabel(i)
                : std::string_view(formatted = FormatDecimal(series.ValueFormat(), series.YValueAt(i)));
            ++i;
            if (thinning.Take(pos, sizeOf(text))) {
                DrawLabel(painter, pos, AnsiString(text));
                break;
            }
        }
    }
}
