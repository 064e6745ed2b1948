// Drawing a line series: which points are drawn, how the line enters the plot,
// points far off it, steps, and which point lies under a pixel.
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <utility>
#include <vector>

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

// A long curve of stretches of four kinds: a random walk, a steep climb or fall over
// many rows per pixel column, a flat run, and jitter that jumps tens of rows from
// point to point.
std::vector<double> Curve(int count)
{
    std::mt19937 random(static_cast<unsigned>(count));
    std::normal_distribution<double> walk(0, 3);
    std::vector<double> values;
    double y = 0;
    const int stretch = count / 40;
    for (int i = 0; i < count; ++i) {
        const int kind = (i / stretch) % 4;
        const int sign = (i / stretch / 4) % 2 ? -1 : 1;
        y += kind == 0 ? walk(random) : kind == 1 ? sign * 0.12 : 0;
        values.push_back(kind == 3 ? y + (i % 2 ? 50 : -50) : y);
    }
    return values;
}

struct TPenCase {
    const char* Name;
    int Width;
    TPenStyle Style;
    bool SmallDots = false;
    bool Stairs = false;
    bool InvertedStairs = false;
};

struct TViewCase {
    const char* Name;
    // Sets the axes for a curve of the count of points whose values span low … high.
    std::function<void(THeadlessChart&, int count, double low, double high)> Set;
};

// The chart's picture of the curve drawn with the pen, in the view and at the ratio of
// device pixels. A series whose points take its colour is drawn a column at a time;
// one whose points carry that colour themselves is drawn point by point, as before.
QImage Drawn(const std::vector<double>& values, const TPenCase& pen, const TViewCase& view, double ratio,
             TColor pointColor)
{
    THeadlessChart chart;
    chart.Ratio = ratio;
    TLineSeries series;
    series.SetSeriesColor(clRed);
    series.SetParentChart(&chart);
    series.ReservePoints(static_cast<int>(values.size()), 0);
    for (const double y : values)
        series.AddPoint(y, "", pointColor);
    series.LinePen().SetWidth(pen.Width);
    series.LinePen().SetStyle(pen.Style);
    series.LinePen().SetSmallDots(pen.SmallDots);
    series.SetStairs(pen.Stairs);
    series.SetInvertedStairs(pen.InvertedStairs);
    view.Set(chart, static_cast<int>(values.size()), series.LowestY(), series.HighestY());
    return chart.DrawPicture();
}

// Whether both pictures are alike; if not, how many pixels differ.
testing::AssertionResult SamePixels(const QImage& a, const QImage& b)
{
    if (a == b)
        return testing::AssertionSuccess();
    if (a.size() != b.size())
        return testing::AssertionFailure() << "sizes differ";
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differ += a.pixel(x, y) != b.pixel(x, y);
    return testing::AssertionFailure() << differ << " pixels differ";
}

const TViewCase kWhole{"whole", [](THeadlessChart&, int, double, double) {}};

} // namespace

TEST(TLineSeriesColumns, ACurveDrawnAColumnAtATimeHasThePixelsOfItsPointsDrawnOneByOne)
{
    const TPenCase pens[] = {
        {"solid", 1, psSolid},
        {"solid 2", 2, psSolid},
        {"solid 5", 5, psSolid},
        {"dotted", 1, psDot},
        {"dotted 3", 3, psDot},
        {"small dots", 1, psSolid, true},
        {"dash-dot 2", 2, psDashDot},
        {"stairs", 1, psSolid, false, true},
        {"dotted inverted stairs", 1, psDot, false, true, true},
    };
    const TViewCase views[] = {
        kWhole,
        {"zoomed, ends clipped",
         [](THeadlessChart& chart, int count, double low, double high) {
             chart.BottomAxis().SetManualRange(count * 0.31 + 0.37, count * 0.47 + 0.61);
             chart.LeftAxis().SetManualRange(low + (high - low) * 0.3, low + (high - low) * 0.7);
         }},
        {"rows far off the plot",
         [](THeadlessChart& chart, int, double low, double high) {
             const double middle = (low + high) / 2;
             chart.LeftAxis().SetManualRange(middle - (high - low) * 1e-4, middle + (high - low) * 1e-4);
         }},
        {"inverted", [](THeadlessChart& chart, int, double, double) { chart.BottomAxis().SetInverted(true); }},
    };
    const std::vector<double> curve = Curve(100'000);
    for (const double ratio : {1.0, 2.0})
        for (const TPenCase& pen : pens)
            for (const TViewCase& view : views)
                EXPECT_TRUE(
                    SamePixels(Drawn(curve, pen, view, ratio, AutoColor), Drawn(curve, pen, view, ratio, clRed)))
                    << pen.Name << ", " << view.Name << ", scale " << ratio;
}

TEST(TLineSeriesColumns, AMillionPointsDrawnAColumnAtATimeHaveThePixelsOfThePointsDrawnOneByOne)
{
    const std::vector<double> curve = Curve(1'000'000);
    for (const double ratio : {1.0, 2.0})
        for (const TPenCase& pen : {TPenCase{"solid", 1, psSolid}, TPenCase{"dotted", 1, psDot}})
            EXPECT_TRUE(
                SamePixels(Drawn(curve, pen, kWhole, ratio, AutoColor), Drawn(curve, pen, kWhole, ratio, clRed)))
                << pen.Name << ", scale " << ratio;
}

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
