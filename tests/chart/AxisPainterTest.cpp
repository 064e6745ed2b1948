// What an axis' painter draws, on a white canvas of the chart's size: the axis line,
// ticks away from the plot, grid lines across it, minor ticks, and texts on the
// axis' side.
#include "chart/AxisPainter.h"
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

#include <QRect>

#include <functional>
#include <vector>

namespace {

constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kGray = 0x808080;

class TAxisPainterTest : public testing::Test {
protected:
    TAxisPainterTest()
    {
        Series.SetParentChart(&Chart);
        Series.AddPoint(0, "", AutoColor);
        Series.AddPoint(100, "", AutoColor);
        Chart.LeftAxis().Title().SetCaption("Title");
        Chart.BottomAxis().Title().SetCaption("Title");
        Chart.DrawPicture();
    }
    QImage Painted(TChartAxis& axis, const std::function<void(TAxisPainter&)>& paint)
    {
        return DrawnOnWhite([&](TChartCanvas3D& canvas) {
            TAxisPainter painter(axis, canvas, Chart.PlotRect(), clWhite);
            paint(painter);
        }, QSize(397, 419));
    }
    // The smallest rectangle around every pixel that is not white.
    static QRect Ink(const QImage& image)
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (PixelAt(image, x, y) != kWhite)
                    box |= QRect(x, y, 1, 1);
        return box;
    }
    // How many pixels of a column (or row) within the plot are gray.
    int GrayAcrossPlot(const QImage& image, int pos, bool column) const
    {
        const TRect plot = Chart.PlotRect();
        int gray = 0;
        for (int i = column ? plot.Top + 1 : plot.Left + 1; i < (column ? plot.Bottom : plot.Right); ++i)
            gray += PixelAt(image, column ? pos : i, column ? i : pos) == kGray;
        return gray;
    }

    THeadlessChart Chart;
    TLineSeries Series;
};

} // namespace

TEST_F(TAxisPainterTest, TicksPointAwayFromThePlotMinorTicksFillTheGapsAndGridLinesCrossIt)
{
    TChartAxis& bottom = Chart.BottomAxis();
    const int line = bottom.LinePos();
    const QImage ticks = Painted(bottom, [](TAxisPainter& p) { p.DrawTicksAndGrid({100, 200}); });
    EXPECT_EQ(PixelAt(ticks, 150, line), 0u); // the axis line
    for (const int x : {100, 200}) {
        EXPECT_EQ(PixelAt(ticks, x, line + 4), kGray) << x;
        EXPECT_EQ(PixelAt(ticks, x, line + 5), kWhite) << x;
        // Dotted: gray with gaps along the whole plot.
        EXPECT_GT(GrayAcrossPlot(ticks, x, true), Chart.PlotHeight() / 3) << x;
        EXPECT_LT(GrayAcrossPlot(ticks, x, true), Chart.PlotHeight() * 2 / 3) << x;
    }
    EXPECT_EQ(GrayAcrossPlot(ticks, 150, true), 0);
    // Three between each two ticks, the first gap's spacing beyond both ends, none
    // beyond the axis' start.
    ASSERT_GT(bottom.AxisStart(), 25);
    ASSERT_LT(bottom.AxisStart(), 75);
    for (const int x : {75, 125, 150, 175, 225, 250, 275}) {
        EXPECT_EQ(PixelAt(ticks, x, line + 2), kGray) << x;
        EXPECT_EQ(PixelAt(ticks, x, line + 3), kWhite) << x;
    }
    EXPECT_EQ(PixelAt(ticks, 25, line + 2), kWhite);

    bottom.SetGridCentered(true);
    const QImage centred = Painted(bottom, [](TAxisPainter& p) { p.DrawTicksAndGrid({100, 200}); });
    EXPECT_EQ(GrayAcrossPlot(centred, 100, true), 0);
    EXPECT_GT(GrayAcrossPlot(centred, 150, true), 0);

    TChartAxis& left = Chart.LeftAxis();
    const QImage leftTicks = Painted(left, [](TAxisPainter& p) { p.DrawTicksAndGrid({100}); });
    EXPECT_EQ(PixelAt(leftTicks, left.LinePos() - 4, 100), kGray);
    EXPECT_EQ(PixelAt(leftTicks, left.LinePos() - 5, 100), kWhite);
    EXPECT_GT(GrayAcrossPlot(leftTicks, 100, false), 0);
}

TEST_F(TAxisPainterTest, LabelsAndTitlesStandOnTheirAxisSideCentredOnTheirPlace)
{
    TChartAxis& bottom = Chart.BottomAxis();
    TChartAxis& left = Chart.LeftAxis();
    // Bottom: centred on the label's place, below the labels' anchor line.
    const QRect under = Ink(Painted(bottom, [](TAxisPainter& p) { p.DrawLabel(150, "88"); }));
    EXPECT_NEAR(under.center().x(), 150, 1);
    EXPECT_GE(under.top(), bottom.LabelsPos());
    EXPECT_LE(under.top(), bottom.LabelsPos() + 5);
    // Left: ending at the anchor line, centred on the place, one line or two.
    const QRect beside = Ink(Painted(left, [](TAxisPainter& p) { p.DrawLabel(200, "88"); }));
    EXPECT_LT(beside.right(), left.LabelsPos());
    EXPECT_GE(beside.right(), left.LabelsPos() - 3);
    EXPECT_NEAR(beside.center().y(), 200, 2);
    const QRect twoLines = Ink(Painted(left, [](TAxisPainter& p) { p.DrawLabel(200, "88\r88"); }));
    EXPECT_NEAR(twoLines.center().y(), 200, 2);
    EXPECT_GT(twoLines.height(), 2 * beside.height());

    // The left title reads upward just left of its anchor line, centred on the axis.
    const QRect title = Ink(Painted(left, [](TAxisPainter& p) { p.DrawTitle(); }));
    EXPECT_LE(title.right(), left.TitlePos());
    EXPECT_GT(title.height(), 2 * title.width());
    EXPECT_NEAR(title.center().y(), left.AxisCenter(), 2);
    const QRect bottomTitle = Ink(Painted(bottom, [](TAxisPainter& p) { p.DrawTitle(); }));
    EXPECT_NEAR(bottomTitle.center().x(), bottom.AxisCenter(), 1);
    EXPECT_GE(bottomTitle.top(), bottom.TitlePos());

    // The far sides mirror them: above the anchor on the top axis, reading downward
    // to the right of it on the right axis.
    const QRect above = Ink(Painted(Chart.TopAxis(), [](TAxisPainter& p) { p.DrawText(150, 100, "88", 0); }));
    EXPECT_LT(above.bottom(), 100);
    EXPECT_GE(above.bottom(), 95);
    const QRect right = Ink(Painted(Chart.RightAxis(), [](TAxisPainter& p) { p.DrawText(100, 150, "Title", 270); }));
    EXPECT_GE(right.left(), 100);
    EXPECT_GT(right.height(), 2 * right.width());
    EXPECT_NEAR(right.center().y(), 150, 2);
}
