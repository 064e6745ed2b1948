#include "chart/SeriesMarks.h"

#include "chart/ChartSeries.h"

void TSeriesMarks::SetVisible(bool value)
{
    if (value == FVisible)
        return;
    FVisible = value;
    FOwner.Repaint();
}

void TSeriesMarks::SetArrowLength(int value)
{
    if (value == FArrowLength)
        return;
    FArrowLength = value;
    FOwner.Repaint();
}
