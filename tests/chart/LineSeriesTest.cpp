// Drawing a line series: which points are drawn, how the line enters the plot,
// points far off it, steps, and which point lies under a pixel.
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

namespace {

using TPixels = std::set<std::pair<int, int>>;

TPixels RedPixels(const QImage& image)
{
    TPixels red;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) == 0xFF0000)
                red.insert({x, y});
    return red;
}

// The plain rule: each segment drawn by itself, clipped to the plot as the chart clips series.
TPixels Segments(const THeadlessChart& chart, const std::vector<QPoint>& points)
{
    return RedPixels(DrawnOnWhite([&](TChartCanvas3D& canvas) {
        canvas.ClipToPlotArea(chart.PlotRect(), 0, 0);
        canvas.Pen().Color = clRed;
        for (std::size_t i = 1; i < points.size(); ++i)
            if (points[i] != points[i - 1])
                canvas.LineSegment(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y());
    }, chart.Size));
}

class TLineSeriesDrawing : public testing::Test {
protected:
    TLineSeriesDrawing()
    {
        Series.SetSeriesColor(clRed);
        Series.SetParentChart(&Chart);
    }
    std::vector<QPoint> Points(int first, int last) const
    {
        std::vector<QPoint> points;
        for (int i = first; i <= last; ++i)
            points.emplace_back(Series.PointScreenX(i), Series.PointScreenY(i));
        return points;
    }

    THeadlessChart Chart;
    TLineSeries Series;
};

} // namespace

TEST_F(TLineSeriesDrawing, JoiningSegmentsIntoSpansGivesExactlyThePixelsOfEachSegment)
{
    // Three thousand points over a few hundred pixels: steep climbs, plateaus, jitter
    // and runs of equal pixels.
    std::mt19937 random(7);
    double y = 0;
    for (int i = 0; i < 3000; ++i) {
        const int kind = (i / 150) % 4;
        y += kind == 0 ? 0 : kind == 1 ? 40 : std::uniform_real_distribution<double>(-15, 15)(random);
        Series.AddPoint(kind == 3 ? y + 500 * (i % 2) : y, "", AutoColor);
    }
    const TPixels drawn = RedPixels(Chart.DrawPicture());
    EXPECT_EQ(drawn, Segments(Chart, Points(0, 2999)));
    EXPECT_GT(drawn.size(), 1000u);
}

TEST_F(TLineSeriesDrawing, AZoomedLineEntersAtTheLeftEdgeAtTheHeightOfTheLineThroughItsNeighbours)
{
    for (int i = 0; i < 10; ++i)
        Series.AddPoint(10.0 * i, "", AutoColor);
    Chart.BottomAxis().SetManualRange(2.5, 6.5);
    Chart.LeftAxis().SetManualRange(0, 90);
    const TPixels drawn = RedPixels(Chart.DrawPicture());
    EXPECT_EQ(Series.FirstVisible(), 3);
    EXPECT_EQ(Series.LastVisible(), 7); // one point past the right edge
    std::vector<QPoint> points{{Chart.PlotRect().Left, Chart.LeftAxis().ValueToPos(25)}};
    for (const QPoint& p : Points(3, 7))
        points.push_back(p);
    EXPECT_EQ(drawn, Segments(Chart, points));

    Chart.BottomAxis().SetManualRange(20, 30); // every point left of the plot
    EXPECT_TRUE(RedPixels(Chart.DrawPicture()).empty());
    EXPECT_EQ(Series.FirstVisible(), -1);
}

TEST_F(TLineSeriesDrawing, APointFarOffThePlotIsSkippedAndItsNeighboursJoined)
{
    // 1000 lies 70,000 pixels above the plot; 1e12 lies too far for a pixel at all,
    // where the axis answers its middle, and is skipped all the same.
    for (const double far : {1000.0, 1e12}) {
        Series.ClearPoints();
        for (const double y : {1.0, 2.0, far, 3.0, 4.0})
            Series.AddPoint(y, "", AutoColor);
        Chart.LeftAxis().SetManualRange(0, 5);
        const TPixels drawn = RedPixels(Chart.DrawPicture());
        std::vector<QPoint> points = Points(0, 4);
        points.erase(points.begin() + 2);
        EXPECT_EQ(drawn, Segments(Chart, points)) << far;
    }
}

TEST_F(TLineSeriesDrawing, ASinglePointDrawsNothingAndStairsStepAcrossThenUpOrTheOtherWay)
{
    Series.AddPoint(1, "", AutoColor);
    EXPECT_TRUE(RedPixels(Chart.DrawPicture()).empty());

    Series.AddPoint(2, "", AutoColor);
    Series.SetStairs(true);
    Chart.DrawPicture();
    const int x0 = Series.PointScreenX(0), y0 = Series.PointScreenY(0);
    const int x1 = Series.PointScreenX(1), y1 = Series.PointScreenY(1);
    const auto redAt = [&](int x, int y) { return PixelAt(Chart.Canvas().Buffer(), x, y) == 0xFF0000; };
    EXPECT_TRUE(redAt(x1, y0 - 1) || redAt(x1 - 1, y0 - 1)); // across at the old height (its row clipped off)
    EXPECT_TRUE(redAt(x1 - 1, (y0 + y1) / 2) || redAt(x1, (y0 + y1) / 2));
    Series.SetInvertedStairs(true);
    Chart.DrawPicture();
    EXPECT_FALSE(redAt((x0 + x1) / 2, y0 - 1));
    EXPECT_TRUE(redAt((x0 + x1) / 2, y1)); // up first, then across at the new height
    EXPECT_FALSE(Series.PointAtPixel((x0 + x1) / 2, y0) == 0);
    EXPECT_EQ(Series.PointAtPixel((x0 + x1) / 2, y1), 0);
}

TEST_F(TLineSeriesDrawing, APixelFindsThePointOnItOrTheFirstPointOfTheSegmentThroughIt)
{
    for (const double y : {0.0, 1.0, 2.0, 3.0, 10.0, 4.0})
        Series.AddPoint(y, "", AutoColor);
    EXPECT_EQ(Series.PointAtPixel(100, 100), -1); // before the first paint
    Chart.DrawPicture();
    const QPoint p3(Series.PointScreenX(3), Series.PointScreenY(3));
    const QPoint p4(Series.PointScreenX(4), Series.PointScreenY(4));
    EXPECT_EQ(Series.PointAtPixel(p4.x(), p4.y()), 4);
    EXPECT_EQ(Series.PointAtPixel(p3.x(), p3.y()), 3);
    EXPECT_EQ(Series.PointAtPixel((p3.x() + p4.x()) / 2, (p3.y() + p4.y()) / 2), 3);
    EXPECT_EQ(Series.PointAtPixel(p4.x() + 1, p4.y()), -1); // beyond the segment's end
    EXPECT_TRUE(PixelOnSegment(5, 5, 0, 5, 9, 5));
    EXPECT_FALSE(PixelOnSegment(5, 6, 0, 5, 9, 5));
    EXPECT_FALSE(PixelOnSegment(3, 3, 3, 3, 3, 3)); // a stroke of length 0 holds no pixel
}
