#pragma once
// The chart with its walls, title, foot and legend: it lays out the axes' room,
// the series' margins and the back wall for each paint.
#include "chart/AxisPanel.h"
#include "chart/ChartLegend.h"
#include "chart/ChartTitle.h"
#include "chart/ChartWall.h"

class TCustomChart : public TCustomAxisPanel {
public:
    TCustomChart();

    TChartWall& BackWall() { return FBackWall; }
    TChartWall& LeftWall() { return FLeftWall; }
    TChartWall& BottomWall() { return FBottomWall; }
    TChartTitle& Title() { return FTitle; }
    TChartTitle& Foot() { return FFoot; }
    TChartLegend& Legend() { return FLegend; }

protected:
    void DrawTitlesAndLegend() override;
    void CalcAxesRect() override;
    void CalcSeriesMargins() override;
    void DrawWalls() override;
    int WallSize(const TCustomChartAxis& axis) const override;
    bool IsFreeSeriesColor(TColor color) const override;

private:
    TChartWall FBackWall;
    TChartWall FLeftWall;
    TChartWall FBottomWall;
    TChartTitle FTitle;
    TChartTitle FFoot;
    TChartLegend FLegend;
};
