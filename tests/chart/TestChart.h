#pragma once
// A chart stand-in that counts invalidations and keeps its series list; its axes
// are those of a real chart, which no series joins.
#include "chart/CustomChart.h"

#include <algorithm>
#include <vector>

class TTestChart : public TSeriesChart {
public:
    int Invalidations = 0;
    bool Destroying = false;
    std::vector<TChartSeries*> Series;

    ~TTestChart()
    {
        Destroying = true;
        while (!Series.empty())
            Series.back()->SetParentChart(nullptr);
    }
    void Invalidate() override { ++Invalidations; }
    bool IsDestroying() const override { return Destroying; }
    void AddSeries(TChartSeries& s) override
    {
        if (std::find(Series.begin(), Series.end(), &s) == Series.end())
            Series.push_back(&s);
    }
    void RemoveSeries(TChartSeries& s) override { std::erase(Series, &s); }

    TChartAxis* GetTopAxis() const override { return &FAxes.TopAxis(); }
    TChartAxis* GetBottomAxis() const override { return &FAxes.BottomAxis(); }
    TChartAxis* GetLeftAxis() const override { return &FAxes.LeftAxis(); }
    TChartAxis* GetRightAxis() const override { return &FAxes.RightAxis(); }
    bool IsHorizontal(const TCustomChartAxis& a) const override { return a.IsHorizontal(); }
    TChartCanvas3D& Canvas() override { return FAxes.Canvas(); }
    const TRect& PlotRect() const override { return FAxes.PlotRect(); }

private:
    mutable TCustomChart FAxes;
};
