// A chart under the mouse: zoom, undo, pan and the wheel, sent to a chart of the
// windows' size and settings without a window, and which point lies under a press.
#include "platform/SystemColors.h"
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

#include <QPoint>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

struct TScale {
    double Minimum;
    double Maximum;
    bool Automatic;
};

TScale ScaleOf(const TChartAxis& axis)
{
    return {axis.Minimum(), axis.Maximum(), axis.Automatic()};
}

void Press(THeadlessChart* chart, Qt::MouseButton button, QPoint at)
{
    chart->MouseDown(button, at.x(), at.y());
}

void MoveHolding(THeadlessChart* chart, Qt::MouseButtons held, QPoint at)
{
    chart->MouseMove(held, at.x(), at.y());
}

void Release(THeadlessChart* chart, Qt::MouseButton button, QPoint at)
{
    chart->MouseUp(button, at.x(), at.y());
}

// A drag as the user makes it; the chart then repaints, as it would before the next one.
void Drag(THeadlessChart* chart, Qt::MouseButton button, QPoint from, QPoint to)
{
    Press(chart, button, from);
    MoveHolding(chart, button, to);
    Release(chart, button, to);
    chart->ProcessPaints();
}

void Wheel(THeadlessChart* chart, int eighthsOfDegree)
{
    chart->MouseWheel(eighthsOfDegree);
}

// A chart as the windows set theirs up, 397 × 419 pixels: chart 1 shows a steep
// curve of 250 labelled points and cannot be panned, chart 2 a gentle one of 199
// points labelled "1" … "199".
class TChartMouseTest : public testing::Test {
protected:
    TChartMouseTest()
    {
        Chart.SetColor(clInfoBk);
        Chart.SetBevelOuter(bvNone);
        Chart.SetView3D(false);
        Chart.Legend().SetVisible(false);
        Chart.Title().SetVisible(false);
        Chart.BottomAxis().Title().SetCaption("x");
        Chart.LeftAxis().Title().SetCaption("y");
        Series.SetSeriesColor(clRed);
        Series.SetParentChart(&Chart);
    }
    // The chart with its points, painted.
    THeadlessChart* Calculated(int kind)
    {
        if (kind == 1) {
            Chart.SetAllowPanning(pmNone);
            for (int i = 0; i < 250; ++i)
                Series.AddPoint(1 / std::sqrt(i + 1.0), std::to_string(i).c_str(), AutoColor);
        } else {
            for (int i = 0; i < 199; ++i)
                Series.AddPoint(90 - 0.4 * i, std::to_string(i + 1).c_str(), AutoColor);
        }
        return Shown(kind);
    }
    // The chart painted, with no points unless added.
    THeadlessChart* Shown(int)
    {
        Chart.OnAfterDraw = [this] { ++Redraws; };
        Chart.Invalidate();
        Chart.ProcessPaints();
        EXPECT_EQ(Chart.ClientSize(), QSize(397, 419));
        return &Chart;
    }
    // Calculated, then drawn again: the axes settle on the second layout after new data.
    THeadlessChart* Settled(int kind)
    {
        THeadlessChart* chart = Calculated(kind);
        chart->Invalidate();
        chart->ProcessPaints();
        return chart;
    }

    THeadlessChart Chart;
    TLineSeries Series;
    int Redraws = 0;
};

TEST_F(TChartMouseTest, LeftDragDownAndRightZoomsAndAnyOtherWayRestoresTheScalesBeforeTheFirstZoom)
{
    enum TResult { kZoomed, kUnchanged, kAutomatic };
    struct TDrag {
        QPoint From, To;
    };
    const QPoint a(100, 100), b(200, 180);
    const struct {
        const char* name;
        std::vector<TDrag> drags;
        TResult result;
    } cases[] = {
        {"down and right", {{a, b}}, kZoomed},
        {"16 pixels wide is too small", {{a, {116, 200}}}, kUnchanged},
        {"up and left", {{a, b}, {b, a}}, kAutomatic},
        {"right and up", {{a, b}, {{100, 180}, {200, 100}}}, kAutomatic},
        {"two zooms, then an undo", {{a, b}, {{150, 150}, {300, 300}}, {b, a}}, kAutomatic},
    };
    THeadlessChart* chart = Calculated(1);
    TChartAxis& bottom = chart->BottomAxis();
    TChartAxis& left = chart->LeftAxis();
    const TScale bottom0 = ScaleOf(bottom), left0 = ScaleOf(left);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        chart->UndoZoom();
        chart->ProcessPaints();
        double low = 0, high = 0, lowY = 0, highY = 0;
        for (const TDrag& d : c.drags) {
            low = bottom.PosToValue(d.From.x());
            high = bottom.PosToValue(d.To.x());
            lowY = left.PosToValue(d.To.y());
            highY = left.PosToValue(d.From.y());
            Drag(chart, Qt::LeftButton, d.From, d.To);
        }
        switch (c.result) {
        case kZoomed:
            EXPECT_EQ(bottom.Minimum(), low);
            EXPECT_EQ(bottom.Maximum(), high);
            EXPECT_EQ(left.Minimum(), lowY);
            EXPECT_EQ(left.Maximum(), highY);
            EXPECT_FALSE(bottom.Automatic() || left.Automatic() || chart->TopAxis().Automatic()
                         || chart->RightAxis().Automatic());
            EXPECT_TRUE(chart->ZoomedIn());
            break;
        case kUnchanged:
        case kAutomatic:
            for (const TChartAxis* axis : {&bottom, &left, &chart->TopAxis(), &chart->RightAxis()})
                EXPECT_TRUE(axis->Automatic());
            EXPECT_EQ(bottom.Minimum(), bottom0.Minimum);
            EXPECT_EQ(bottom.Maximum(), bottom0.Maximum);
            EXPECT_EQ(left.Minimum(), left0.Minimum);
            EXPECT_EQ(left.Maximum(), left0.Maximum);
            EXPECT_FALSE(chart->ZoomedIn());
            EXPECT_FALSE(chart->SavedAxisScales().Present);
            break;
        }
    }
}

TEST_F(TChartMouseTest, ARightDragMovesNothingOnChart1WhileEachWheelNotchScrollsItsVerticalAxisByThreePercent)
{
    THeadlessChart* chart = Calculated(1);
    const TScale bottom0 = ScaleOf(chart->BottomAxis()), left0 = ScaleOf(chart->LeftAxis());
    int menus = 0;
    chart->OnContextMenu = [&](int, int) { ++menus; };
    Drag(chart, Qt::RightButton, {150, 150}, {250, 250});
    EXPECT_TRUE(chart->LeftAxis().Automatic() && chart->BottomAxis().Automatic());
    EXPECT_FALSE(chart->SavedAxisScales().Present);
    // Having moved nothing, it asked for the chart's menu.
    ASSERT_EQ(menus, 1);

    // Signed notches down from deltas in eighths of a degree; a partial turn is kept.
    const struct {
        std::vector<int> deltas;
        int notchesDown;
    } cases[] = {{{-120}, 1}, {{40, 40, 40}, -1}, {{-100, 100, -119}, 0}, {{-250, 10, -120}, 3}};
    double expectedMinimum = left0.Minimum;
    const double span = left0.Maximum - left0.Minimum;
    for (const auto& c : cases) {
        for (const int delta : c.deltas)
            Wheel(chart, delta);
        expectedMinimum += c.notchesDown * span * 0.03;
        EXPECT_NEAR(chart->LeftAxis().Minimum(), expectedMinimum, span * 1e-12);
        EXPECT_NEAR(chart->LeftAxis().Maximum() - chart->LeftAxis().Minimum(), span, span * 1e-12);
    }
    EXPECT_FALSE(chart->LeftAxis().Automatic());
    EXPECT_TRUE(chart->BottomAxis().Automatic());
    EXPECT_EQ(chart->BottomAxis().Maximum(), bottom0.Maximum);

    // An undo brings the scrolled axis back to its automatic scale.
    Drag(chart, Qt::LeftButton, {200, 180}, {100, 100});
    EXPECT_TRUE(chart->LeftAxis().Automatic());
    EXPECT_EQ(chart->LeftAxis().Minimum(), left0.Minimum);
}

TEST_F(TChartMouseTest, ARightDragPansChart2UntilItLeavesThePlotAndEachStepRedrawsOnce)
{
    THeadlessChart* chart = Calculated(2);
    TChartAxis& bottom = chart->BottomAxis();
    const TScale bottom0 = ScaleOf(bottom), left0 = ScaleOf(chart->LeftAxis());
    const double tenPixels = 10 * bottom.RangeSize() / bottom.AxisLength();
    const int redraws = Redraws;

    Press(chart, Qt::RightButton, {200, 200});
    MoveHolding(chart, Qt::RightButton, {210, 200});
    chart->ProcessPaints();
    EXPECT_EQ(Redraws, redraws + 1);
    EXPECT_NEAR(bottom.Minimum(), bottom0.Minimum - tenPixels, 1e-12);
    EXPECT_NEAR(bottom.Maximum(), bottom0.Maximum - tenPixels, 1e-12);
    EXPECT_TRUE(chart->LeftAxis().Automatic());
    EXPECT_EQ(chart->LeftAxis().Maximum(), left0.Maximum);

    const TRect plot = chart->PlotRect();
    MoveHolding(chart, Qt::RightButton, {plot.Right + 2, 200});
    EXPECT_FALSE(chart->PanDrag().Active);
    MoveHolding(chart, Qt::RightButton, {250, 250});
    Release(chart, Qt::RightButton, {250, 250});
    EXPECT_NEAR(bottom.Minimum(), bottom0.Minimum - tenPixels, 1e-12);

    // A right press on the margin, off the plot, the axes and the line, starts nothing.
    const double minimum = bottom.Minimum();
    Press(chart, Qt::RightButton, {3, 3});
    EXPECT_FALSE(chart->PanDrag().Active);
    MoveHolding(chart, Qt::RightButton, {200, 200});
    MoveHolding(chart, Qt::RightButton, {230, 230});
    Release(chart, Qt::RightButton, {230, 230});
    EXPECT_EQ(bottom.Minimum(), minimum);
}

TEST_F(TChartMouseTest, TheRubberBandIsNotXorOverThePictureAndOnlyAFullRedrawDrawsItAnew)
{
    THeadlessChart* chart = Settled(1);
    const QImage before = chart->Canvas().Buffer().copy();
    const QRgb panel = ToQColor(chart->Color()).rgb();
    const int redraws = Redraws;
    Press(chart, Qt::LeftButton, {100, 100});
    MoveHolding(chart, Qt::LeftButton, {150, 140});
    MoveHolding(chart, Qt::LeftButton, {200, 180});
    chart->ProcessPaints();
    EXPECT_EQ(Redraws, redraws);
    const QImage banded = chart->Canvas().Buffer().copy();
    for (const QPoint p : {QPoint(100, 100), QPoint(150, 100), QPoint(199, 179), QPoint(100, 150), QPoint(199, 120)})
        EXPECT_EQ(PixelAt(banded, p.x(), p.y()), ~(panel ^ before.pixel(p)) & 0xFFFFFF) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(101, 101), QPoint(200, 180), QPoint(149, 120), QPoint(120, 139)})
        EXPECT_EQ(banded.pixel(p), before.pixel(p)) << p.x() << "," << p.y();

    // A change during the drag redraws the chart in full, band included; the next
    // move still erases it.
    chart->Invalidate();
    chart->ProcessPaints();
    EXPECT_EQ(Redraws, redraws + 1);
    EXPECT_EQ(chart->Canvas().Buffer(), banded);
    MoveHolding(chart, Qt::LeftButton, {110, 110});
    Release(chart, Qt::LeftButton, {110, 110});
    chart->ProcessPaints();
    EXPECT_EQ(Redraws, redraws + 1);
    EXPECT_EQ(chart->Canvas().Buffer(), before);
    EXPECT_TRUE(chart->BottomAxis().Automatic());
}

TEST_F(TChartMouseTest, AnAnimatedZoomRepaintsSevenTimesEachEndAThirdCloserThenLandsOnTheTarget)
{
    THeadlessChart* chart = Calculated(1);
    chart->SetAnimatedZoom(true);
    chart->ProcessPaints();
    TChartAxis& bottom = chart->BottomAxis();
    std::vector<TScale> painted;
    chart->OnAfterDraw = [&] { painted.push_back(ScaleOf(bottom)); };
    const double low = bottom.PosToValue(100), high = bottom.PosToValue(200);
    TScale previous = ScaleOf(bottom);

    Drag(chart, Qt::LeftButton, {100, 100}, {200, 180});
    ASSERT_EQ(painted.size(), 8u);
    for (std::size_t i = 0; i < 7; ++i) {
        const double span = high - low;
        EXPECT_NEAR(painted[i].Minimum, previous.Minimum + (low - previous.Minimum) / 3, span * 1e-12);
        EXPECT_NEAR(painted[i].Maximum, previous.Maximum - (previous.Maximum - high) / 3, span * 1e-12);
        previous = painted[i];
    }
    EXPECT_EQ(painted.back().Minimum, low);
    EXPECT_EQ(painted.back().Maximum, high);
}

TEST_F(TChartMouseTest, TheCursorIsTheArrowWhileDraggingAndTheRestingOneOtherwise)
{
    THeadlessChart* chart = Calculated(2);
    chart->SetRestingCursor(Qt::CrossCursor);
    EXPECT_EQ(chart->Cursor(), Qt::CrossCursor);
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        Press(chart, button, {150, 150});
        EXPECT_EQ(chart->Cursor(), Qt::ArrowCursor);
        Release(chart, button, {150, 150});
        EXPECT_EQ(chart->Cursor(), Qt::CrossCursor);
    }
    Press(chart, Qt::RightButton, {150, 150});
    chart->MouseLeave();
    EXPECT_EQ(chart->Cursor(), Qt::CrossCursor);
    EXPECT_FALSE(chart->PanDrag().Active);
}

// Faults the mouse must not cause: an empty chart, a range at the end of the doubles,
// a drag whose release the chart never saw.
TEST_F(TChartMouseTest, NoDragOrScrollLeavesARangeThatIsNotFiniteOrADragThatNeverEnds)
{
    THeadlessChart* chart = Shown(1); // no points yet
    TChartAxis& left = chart->LeftAxis();
    Wheel(chart, -120);
    EXPECT_TRUE(left.Automatic()) << "a range of no size has nothing to scroll";
    Drag(chart, Qt::LeftButton, {100, 100}, {200, 180});
    EXPECT_EQ(left.Minimum(), 0);
    EXPECT_GE(left.Maximum() - left.Minimum(), 1e-10);

    left.SetManualRange(1e307, 1.7e308);
    for (int i = 0; i < 100; ++i)
        Wheel(chart, -120);
    EXPECT_TRUE(std::isfinite(left.Maximum()));
    EXPECT_NEAR(left.Maximum() - left.Minimum(), 1.7e308 - 1e307, 1e295);

    chart->ProcessPaints();
    const QImage before = chart->Canvas().Buffer().copy();
    Press(chart, Qt::LeftButton, {100, 100});
    MoveHolding(chart, Qt::LeftButton, {200, 200});
    MoveHolding(chart, Qt::NoButton, {210, 210}); // released outside the program
    chart->ProcessPaints();
    EXPECT_FALSE(chart->ZoomDrag().Active);
    EXPECT_EQ(chart->Canvas().Buffer(), before);
}

// Zoomed far into a 900,000-point line: a point beyond ±32766 pixels (and one too far
// off for a pixel at all) is left out and its neighbours joined, and the line enters at
// the plot's left edge at the height between the points on either side of it.
TEST_F(TChartMouseTest, FarZoomedIntoAHugeLineEveryColumnShowsItOnItsTrueCourse)
{
    THeadlessChart* chart = Calculated(1);
    TLineSeries& series = Series;
    series.ClearPoints();
    series.ReservePoints(900000, 0);
    for (int i = 0; i < 900000; ++i)
        series.AddPoint(i == 450003 ? 0 : i == 450006 ? 1e15 : i, "", AutoColor);
    chart->BottomAxis().SetManualRange(450000.5, 450010.5);
    chart->LeftAxis().SetManualRange(450000, 450010);
    const QImage picture = chart->DrawPicture().convertToFormat(QImage::Format_RGB32);

    const TRect plot = chart->PlotRect();
    const auto onLine = [&](int x) { return chart->LeftAxis().ValueToPos(chart->BottomAxis().PosToValue(x)); };
    int columns = 0;
    for (int x = plot.Left + 1; x < plot.Right; ++x) {
        int nearest = std::numeric_limits<int>::max();
        for (int y = plot.Top + 1; y < plot.Bottom - 1; ++y) {
            if (picture.pixel(x, y) != qRgb(255, 0, 0))
                continue;
            ASSERT_LE(std::abs(y - onLine(x)), 2) << x << "," << y;
            nearest = std::min(nearest, std::abs(y - onLine(x)));
        }
        // The line leaves through the top before the right edge.
        if (onLine(x) > plot.Top) {
            EXPECT_LE(nearest, 1) << "column " << x;
            ++columns;
        }
    }
    EXPECT_GT(columns, plot.Width() * 9 / 10);
}

// A press finds what a scan of every point from the first visible one finds: the
// point under the pixel, or the first point of the first line through it.
TEST_F(TChartMouseTest, APressFindsThePointOrLineThatAScanOfEveryPointFinds)
{
    THeadlessChart* chart = Calculated(2);
    TLineSeries& series = Series;
    series.ClearPoints();
    for (int i = 0; i < 600; ++i)
        series.AddPoint(i % 7 == 0 ? 90 : (i * 37) % 50, "", AutoColor);
    chart->BottomAxis().SetManualRange(100.5, 180.5);
    chart->DrawPicture();
    std::vector<QPoint> pixels;
    for (int i = series.FirstVisible(); i <= series.LastVisible(); ++i)
        pixels.emplace_back(series.PointScreenX(i), series.PointScreenY(i));
    const auto scan = [&](int x, int y) {
        for (std::size_t k = 0; k < pixels.size(); ++k) {
            if (pixels[k] == QPoint(x, y))
                return series.FirstVisible() + static_cast<int>(k);
            if (k > 0 && PixelOnSegment(x, y, pixels[k - 1].x(), pixels[k - 1].y(), pixels[k].x(), pixels[k].y()))
                return series.FirstVisible() + static_cast<int>(k) - 1;
        }
        return -1;
    };
    int hits = 0;
    for (int x = 0; x < chart->Width(); ++x)
        for (int y = 0; y < chart->Height(); y += 3) {
            const int expected = scan(x, y);
            hits += expected != -1;
            ASSERT_EQ(series.PointAtPixel(x, y), expected) << x << "," << y;
        }
    EXPECT_GT(hits, 1000);
}

} // namespace
