// How much room an axis' texts take, measured in their own fonts: the canvas' font
// stays as it is. The step of the value labels follows from the room of two labels.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "chart/TextLines.h"

#include <algorithm>

int TCustomChartAxis::WidestLine(std::string_view text, const TChartFont& font) const
{
    TTextMetrics& metrics = FChart.Canvas().TextMetrics();
    int widest = 0;
    ForEachLine(text, [&](std::string_view line) { widest = std::max(widest, metrics.TextWidth(font, line)); });
    return widest;
}

int TCustomChartAxis::SizeAcross(std::string_view text, bool along, const TChartFont& font) const
{
    return along ? WidestLine(text, font) : FChart.Canvas().TextMetrics().TextHeight(font) * LineCount(text);
}

double TCustomChartAxis::LabelStep()
{
    // A label's room along the axis: its width, or its lines' height when it stands across.
    struct TValueLabelMeasure : TLabelMeasure {
        TCustomChartAxis& Axis;
        bool ByWidth;
        TValueLabelMeasure(TCustomChartAxis& axis, bool byWidth) : Axis(axis), ByWidth(byWidth) {}
        int LabelSize(double value) override
        {
            return Axis.SizeAcross(Axis.ValueLabelText(value), ByWidth, *Axis.FLabelsFont);
        }
    };
    const bool turned = FLabelsAngle == 90 || FLabelsAngle == 270;
    const bool lying = FLabelsAngle == 0 || FLabelsAngle == 180;
    TValueLabelMeasure measure(*this, IsHorizontal() ? !turned : !lying);
    return ::LabelStep(StepRule(), RangeMin(), RangeMax(), AxisLength(), measure);
}
