#pragma once
// What a paint's layout leaves in a chart: the panel and plot rectangles, and each
// axis' working range, place along the plot, positions across it and ticks. The next
// layout starts from it (an axis measures its value labels with the length it has),
// and the mouse maps pixels through it until then.
#include "chart/ChartRect.h"

#include <vector>

struct TAxisLayoutState {
    double RangeMin = 0;
    double RangeMax = 0;
    int Start = 0;
    int End = 0;
    int LinePos = 0;
    int LabelsPos = 0;
    int TitlePos = 0;
    std::vector<int> TickPositions;
};

struct TChartLayoutState {
    TRect PanelBounds;
    TRect PlotRect;
    std::vector<TAxisLayoutState> Axes; // in the order of the chart's axes
};
