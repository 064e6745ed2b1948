#include "chart/LineSeries.h"
#include "tests/chart/TestChart.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

TEST(ChartSeries, AddPointTakesTheNextIndexAsXAgainAfterClearing)
{
    TLineSeries series;
    EXPECT_EQ(std::vector<double>({series.LowestX(), series.HighestX(), series.LowestY(), series.HighestY()}),
              std::vector<double>(4, 0));
    for (double v : {5.0, 3.0, 9.0})
        series.AddPoint(v, "p", AutoColor);
    EXPECT_EQ(std::vector<double>({series.XValueAt(0), series.XValueAt(1), series.XValueAt(2)}),
              (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(series.LowestY(), 3);
    EXPECT_EQ(series.HighestY(), 9);

    series.ClearPoints();
    EXPECT_EQ(series.LabelCount(), 0);
    EXPECT_EQ(series.AddPoint(7, "", AutoColor), 0);
    EXPECT_EQ(series.XValueAt(0), 0);
}

TEST(ChartSeries, YLabelAndColourFollowTheirPointIntoXOrder)
{
    TLineSeries series;
    const double xs[] = {2, 1, 1, 3};
    const char* labels[] = {"two", "b", "", "four"};
    for (int i = 0; i < 4; ++i)
        series.AddPointXY(xs[i], 10 * (i + 1), labels[i], i == 1 ? clBlack : AutoColor);
    const double ys[] = {20, 30, 10, 40};
    const char* sorted[] = {"b", "", "two", "four"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(series.YValueAt(i), ys[i]) << i;
        EXPECT_EQ(series.PointLabel(i), sorted[i]) << i;
    }
    EXPECT_EQ(series.PointColor(0), clBlack);
    EXPECT_EQ(series.PointLabel(4), "");
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

    series.SetColorEachPoint(true);
    EXPECT_EQ(series.PointColor(1), 0x008000);
    EXPECT_EQ(series.PointColor(17), 0x008000); // index mod 16
    EXPECT_EQ(series.PointColor(2), clSilver);
    series.SetColorEachPoint(false); // forgets the points' own colours
    EXPECT_EQ(series.PointColor(2), clBlack);

    // So does every assignment that leaves it off, even when it was off already.
    series.AddPoint(18, "", clSilver);
    ASSERT_EQ(series.PointColor(18), clSilver);
    series.SetColorEachPoint(false);
    EXPECT_EQ(series.PointColor(18), clBlack);
}

TEST(ChartSeries, InvalidatesItsChartOnlyForRealChanges)
{
    TLineSeries series;
    TTestChart chart;
    series.SetParentChart(&chart);
    const auto add = [&] { return series.AddPoint(1, "", AutoColor); };
    const struct {
        const char* what;
        std::function<void()> change;
        int invalidations;
    } cases[] = {
        {"title twice", [&] { series.SetTitle("t"); series.SetTitle("t"); }, 1},
        {"format unchanged", [&] { series.SetValueFormat("#,##0.###"); series.SetPercentFormat("##0.## %"); }, 0},
        {"marks", [&] { series.Marks().SetVisible(false); series.Marks().SetArrowLength(8); }, 1},
        {"multiplier", [&] { series.YValues().SetMultiplier(1); series.YValues().SetMultiplier(3); }, 1},
        {"date-time", [&] { series.XValues().SetDateTime(false); series.XValues().SetDateTime(true); }, 1},
        {"order", [&] { series.XValues().SetOrder(loAscending); series.XValues().SetOrder(loNone); }, 1},
        {"two adds", [&] { add(); add(); }, 2},
        {"refused add", [&] {
             series.OnBeforeAdd = [](TChartSeries&) { return false; };
             EXPECT_EQ(add(), -1);
             EXPECT_EQ(series.PointCount(), 2);
             series.OnBeforeAdd = nullptr;
         }, 0},
        {"inactive", [&] { series.SetActive(false); add(); series.ClearPoints(); }, 1},
        {"clear while the chart goes", [&] {
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

TEST(ChartSeries, JoinsLeavesAndUsesTheResolvedAxes)
{
    TTestChart chart, other;
    auto series = std::make_unique<TLineSeries>();
    series->SetParentChart(&chart);
    series->SetParentChart(&chart);
    EXPECT_EQ(chart.Series, std::vector<TChartSeries*>{series.get()});
    EXPECT_TRUE(series->UsesAxis(*chart.GetBottomAxis()));
    EXPECT_FALSE(series->UsesAxis(*chart.GetTopAxis()));
    EXPECT_FALSE(series->UsesAxis(*chart.GetRightAxis()));

    series->SetHorizAxis(aTopAxis);
    series->SetVertAxis(aBothVertAxis);
    EXPECT_TRUE(series->UsesAxis(*chart.GetTopAxis()));
    EXPECT_FALSE(series->UsesAxis(*chart.GetBottomAxis()));
    EXPECT_TRUE(series->UsesAxis(*chart.GetRightAxis()));

    series->SetParentChart(&other);
    EXPECT_TRUE(chart.Series.empty());
    EXPECT_EQ(series->GetHorizAxis(), other.GetTopAxis());
    series.reset();
    EXPECT_TRUE(other.Series.empty());
}

TEST(ChartSeries, ADestroyedSeriesClearsItsPointsAndLeavesItsChart)
{
    TTestChart chart;
    int cleared = 0;
    {
        TLineSeries series;
        series.SetParentChart(&chart);
        series.AddPoint(1, "a", AutoColor);
        series.OnClearValues = [&](TChartSeries&) { ++cleared; };
        chart.Invalidations = 0;
    }
    EXPECT_EQ(cleared, 1);
    EXPECT_GE(chart.Invalidations, 1);
    EXPECT_TRUE(chart.Series.empty());
}
