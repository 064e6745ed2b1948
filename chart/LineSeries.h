#pragma once
// A series drawn as a polyline through its points.
#include "chart/ChartSeries.h"

class TLineSeries : public TChartSeries {
public:
    // A line keeps the first point past the right edge in its visible range, so the
    // segment that leaves the plot is drawn.
    bool DrawsOneBeyond() const override { return true; }
};
