#pragma once
// A chart stand-in that records what series ask of it.
#include "chart/ChartSeries.h"

#include <algorithm>
#include <vector>

class TTestChart : public TSeriesChart {
public:
    int Invalidations = 0;
    bool Destroying = false;
    std::vector<TChartSeries*> Series;

    void Invalidate() override { ++Invalidations; }
    bool IsDestroying() const override { return Destroying; }
    void AddSeries(TChartSeries& series) override
    {
        if (std::find(Series.begin(), Series.end(), &series) == Series.end())
            Series.push_back(&series);
    }
    void RemoveSeries(TChartSeries& series) override { std::erase(Series, &series); }

    // The axes are opaque to series, which only compare their addresses.
    TChartAxis* TopAxis() const override { return AxisAt(0); }
    TChartAxis* BottomAxis() const override { return AxisAt(1); }
    TChartAxis* LeftAxis() const override { return AxisAt(2); }
    TChartAxis* RightAxis() const override { return AxisAt(3); }
    bool IsHorizontal(const TChartAxis& axis) const override
    {
        return &axis == TopAxis() || &axis == BottomAxis();
    }

private:
    TChartAxis* AxisAt(int i) const { return reinterpret_cast<TChartAxis*>(const_cast<char*>(&FAxes[i])); }
    char FAxes[4] = {};
};
