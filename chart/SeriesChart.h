#pragma once
// What a series needs from the chart it joins. The chart control implements it;
// a series only ever talks to its chart through this interface.
#include "chart/ChartRect.h"

class TChartAxis;
class TCustomChartAxis;
class TChartCanvas3D;
class TChartSeries;

class TSeriesChart {
public:
    // Marks the chart's picture stale and asks for a paint later; never paints at once,
    // so a burst of changes costs one paint.
    virtual void Invalidate() = 0;
    // True while the chart is being torn down; a series then spares it the invalidation.
    virtual bool IsDestroying() const = 0;

    // TChartSeries::SetParentChart is the one way in and out: it stores the new chart
    // first and then calls these, so a chart that attaches or detaches a series itself
    // calls SetParentChart, and any call back into it returns at once.
    // AddSeries gives a series with SeriesColor AutoColor a free colour, appends it
    // (once) and invalidates; RemoveSeries removes it and invalidates.
    // A chart that goes before its series detaches each of them the same way.
    virtual void AddSeries(TChartSeries& series) = 0;
    virtual void RemoveSeries(TChartSeries& series) = 0;

    virtual TChartAxis* GetTopAxis() const = 0;
    virtual TChartAxis* GetBottomAxis() const = 0;
    virtual TChartAxis* GetLeftAxis() const = 0;
    virtual TChartAxis* GetRightAxis() const = 0;
    virtual bool IsHorizontal(const TCustomChartAxis& axis) const = 0;

    // What drawing a series needs: the canvas and the plot rectangle of the paint.
    virtual TChartCanvas3D& Canvas() = 0;
    virtual const TRect& PlotRect() const = 0;

protected:
    ~TSeriesChart() = default;
};
