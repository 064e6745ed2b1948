#pragma once
// A chart stand-in that counts invalidations and keeps its series list.
#include "chart/ChartSeries.h"

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

    // Series only compare axis addresses, so any four distinct addresses serve.
    TChartAxis* TopAxis() const override { return Axis(0); }
    TChartAxis* BottomAxis() const override { return Axis(1); }
    TChartAxis* LeftAxis() const override { return Axis(2); }
    TChartAxis* RightAxis() const override { return Axis(3); }
    bool IsHorizontal(const TChartAxis& a) const override { return &a == Axis(0) || &a == Axis(1); }

private:
    TChartAxis* Axis(int i) const { return reinterpret_cast<TChartAxis*>(const_cast<char*>(FAxes + i)); }
    char FAxes[4] = {};
};
