#include "chart/LineSeries.h"
#include "tests/chart/TestChart.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

TEST(ChartSeries, AddPointTakesTheNextIndexAsX)
{
    TLineSeries series;
    EXPECT_EQ(series.PointCount(), 0);
    for (auto extent : {series.LowestX(), series.HighestX(), series.LowestY(), series.HighestY()})
        EXPECT_EQ(extent, 0);

    for (double v : {5.0, 3.0, 9.0})
        series.AddPoint(v, "p", AutoColor);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(series.XValueAt(i), i);
    EXPECT_EQ(series.LowestY(), 3);
    EXPECT_EQ(series.HighestY(), 9);
    EXPECT_EQ(series.HighestX(), 2);

    series.ClearPoints();
    EXPECT_EQ(series.PointCount(), 0);
    EXPECT_EQ(series.LabelCount(), 0);
    EXPECT_EQ(series.AddPoint(7, "", AutoColor), 0);
    EXPECT_EQ(series.XValueAt(0), 0);
    EXPECT_EQ(series.HighestY(), 7);
}

TEST(ChartSeries, LabelsAndColoursFollowTheirPointIntoXOrder)
{
    TLineSeries series;
    const double xs[] = {2, 1, 1, 3};
    const char* labels[] = {"a", "b", "", "d"};
    std::vector<int> results;
    for (int i = 0; i < 4; ++i)
        results.push_back(series.AddPointXY(xs[i], 10 * (i + 1), labels[i], i == 1 ? clBlack : AutoColor));

    EXPECT_EQ(results, (std::vector<int>{0, 0, 1, 3}));
    const double ys[] = {20, 30, 10, 40};
    const char* sortedLabels[] = {"b", "", "a", "d"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(series.YValueAt(i), ys[i]) << i;
        EXPECT_EQ(series.PointLabel(i), sortedLabels[i]) << i;
    }
    EXPECT_EQ(series.PointColor(0), clBlack);
    EXPECT_EQ(series.LabelCount(), 4);
    EXPECT_EQ(series.PointLabel(4), "");
    EXPECT_EQ(series.PointLabel(-1), "");
}

TEST(ChartSeries, PointColourResolvesThroughSeriesColourAndPalette)
{
    TLineSeries series;
    series.SetSeriesColor(clRed);
    for (int i = 0; i < 18; ++i)
        series.AddPoint(i, "", i == 2 ? clSilver : AutoColor);

    EXPECT_EQ(series.PointColor(0), clRed);
    EXPECT_EQ(series.PointColor(2), clSilver);
    series.SetSeriesColor(clBlack);
    EXPECT_EQ(series.PointColor(0), clBlack);
    EXPECT_EQ(series.PointColor(18), clBlack);
    EXPECT_EQ(series.PointColor(-1), clBlack);

    series.SetColorEachPoint(true);
    EXPECT_EQ(series.PointColor(1), 0x008000);
    EXPECT_EQ(series.PointColor(15), clBlack);
    EXPECT_EQ(series.PointColor(17), 0x008000); // index mod 16
    EXPECT_EQ(series.PointColor(2), clSilver);

    // Leaving ColorEachPoint off forgets the points' own colours.
    series.SetColorEachPoint(false);
    EXPECT_EQ(series.PointColor(2), clBlack);
}

TEST(ChartSeries, InvalidatesItsChartOnlyForRealChanges)
{
    TLineSeries series;
    TTestChart chart;
    series.SetParentChart(&chart);
    const struct {
        const char* what;
        std::function<void()> change;
        int invalidations;
    } cases[] = {
        {"title twice", [&] { series.SetTitle("t"); series.SetTitle("t"); }, 1},
        {"colour twice", [&] { series.SetSeriesColor(clRed); series.SetSeriesColor(clRed); }, 1},
        {"value format unchanged", [&] { series.SetValueFormat("#,##0.###"); }, 0},
        {"percent format unchanged", [&] { series.SetPercentFormat("##0.## %"); }, 0},
        {"legend", [&] { series.SetShowInLegend(false); }, 1},
        {"marks", [&] { series.Marks().SetVisible(false); series.Marks().SetArrowLength(8); }, 1},
        {"multiplier", [&] { series.YValues().SetMultiplier(1); series.YValues().SetMultiplier(3); }, 1},
        {"date-time", [&] { series.XValues().SetDateTime(true); }, 1},
        {"axis", [&] { series.SetVertAxis(aLeftAxis); series.SetHorizAxis(aTopAxis); }, 1},
        {"two adds", [&] { series.AddPoint(1, "", AutoColor); series.AddPoint(2, "", AutoColor); }, 2},
        {"refused add", [&] {
             series.OnBeforeAdd = [](TChartSeries&) { return false; };
             EXPECT_EQ(series.AddPoint(3, "", AutoColor), -1);
             EXPECT_EQ(series.PointCount(), 2);
             series.OnBeforeAdd = nullptr;
         }, 0},
        {"clear", [&] { series.ClearPoints(); }, 1},
        {"inactive", [&] { series.SetActive(false); series.AddPoint(1, "", AutoColor); series.ClearPoints(); }, 1},
        {"clear while the chart is destroyed", [&] {
             series.SetActive(true);
             chart.Destroying = true;
             series.ClearPoints();
             chart.Destroying = false;
         }, 1},
    };
    for (const auto& c : cases) {
        chart.Invalidations = 0;
        c.change();
        EXPECT_EQ(chart.Invalidations, c.invalidations) << c.what;
    }
}

TEST(ChartSeries, OnAfterAddIsToldTheIndex)
{
    TLineSeries series;
    std::vector<int> told;
    series.OnAfterAdd = [&](TChartSeries&, int index) { told.push_back(index); };
    series.AddPointXY(5, 0, "", AutoColor);
    series.AddPointXY(4, 0, "", AutoColor);
    EXPECT_EQ(told, (std::vector<int>{0, 0}));
}

TEST(ChartSeries, JoinsLeavesAndUsesTheResolvedAxes)
{
    TTestChart chart, other;
    auto series = std::make_unique<TLineSeries>();
    EXPECT_FALSE(series->UsesAxis(*chart.BottomAxis()));

    series->SetParentChart(&chart);
    series->SetParentChart(&chart);
    EXPECT_EQ(chart.Series, std::vector<TChartSeries*>{series.get()});
    EXPECT_TRUE(series->UsesAxis(*chart.BottomAxis()));
    EXPECT_FALSE(series->UsesAxis(*chart.TopAxis()));
    EXPECT_TRUE(series->UsesAxis(*chart.LeftAxis()));
    EXPECT_FALSE(series->UsesAxis(*chart.RightAxis()));

    series->SetHorizAxis(aTopAxis);
    series->SetVertAxis(aBothVertAxis);
    EXPECT_TRUE(series->UsesAxis(*chart.TopAxis()));
    EXPECT_FALSE(series->UsesAxis(*chart.BottomAxis()));
    EXPECT_TRUE(series->UsesAxis(*chart.RightAxis()));

    series->SetParentChart(&other);
    EXPECT_TRUE(chart.Series.empty());
    EXPECT_EQ(series->GetHorizAxis(), other.TopAxis());
    series.reset();
    EXPECT_TRUE(other.Series.empty());
}
