// The two charts as drawn after the default Calculate, at the design size: frame,
// axis lines, ticks, grid, curve, labels and titles where the rules put them.
#include "tests/chart/ChartTestSupport.h"
#include "tests/ui/ChartWindowFixture.h"

#include <algorithm>

namespace {

constexpr unsigned kBlack = 0x000000;
constexpr unsigned kGrey = 0x808080;
constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kBlue = 0x0000FF;

class TChartPixels : public TChartWindowTest {
protected:
    // The frame, the two axis lines 2 pixels wide, grey ticks 4 pixels long (minor
    // ones 2), and dotted grid lines only where a label stands. The ticks and the grid
    // are drawn after the axis line and the frame, so their grey lies over them.
    static void ExpectAxesAndGrid(const QImage& image, TChart& chart)
    {
        const TRect plot = chart.PlotRect();
        TChartAxis& left = chart.LeftAxis();
        TChartAxis& bottom = chart.BottomAxis();
        const std::vector<int>& leftTicks = left.TickPositions();
        const std::vector<int>& bottomTicks = bottom.TickPositions();
        const auto isLeftTick = [&](int y) { return std::count(leftTicks.begin(), leftTicks.end(), y) > 0; };
        const auto isBottomTick = [&](int x) { return std::count(bottomTicks.begin(), bottomTicks.end(), x) > 0; };
        ASSERT_GE(leftTicks.size(), 3u);
        ASSERT_GE(bottomTicks.size(), 3u);

        for (int y = plot.Top; y <= plot.Bottom; ++y) {
            EXPECT_EQ(PixelAt(image, plot.Right, y), kBlack) << "right frame " << y;
            EXPECT_NE(PixelAt(image, plot.Right + 1, y), kBlack) << y;
            if (y == plot.Bottom)
                continue;
            EXPECT_EQ(PixelAt(image, plot.Left, y), isLeftTick(y) ? kGrey : kBlack) << "left axis " << y;
            const unsigned outer = PixelAt(image, plot.Left - 1, y);
            if (isLeftTick(y) || outer != kBlack) {
                EXPECT_EQ(outer, kGrey) << "left axis " << y;
                const int length = isLeftTick(y) ? 4 : 2;
                EXPECT_EQ(PixelAt(image, plot.Left - length, y), kGrey) << "tick " << y;
                EXPECT_NE(PixelAt(image, plot.Left - length - 1, y), kGrey) << "tick " << y;
            }
        }
        for (int x = plot.Left; x <= plot.Right; ++x) {
            // The left axis, drawn after the bottom one, covers the bottom one's grid at its line.
            EXPECT_EQ(PixelAt(image, x, plot.Top), isBottomTick(x) && x != plot.Left ? kGrey : kBlack) << "top frame " << x;
            if (x == plot.Right)
                continue;
            EXPECT_EQ(PixelAt(image, x, plot.Bottom), kBlack) << "bottom axis " << x;
            const unsigned inner = PixelAt(image, x, plot.Bottom - 1);
            EXPECT_TRUE(inner == kBlack || (inner == kGrey && isBottomTick(x))) << "bottom axis " << x;
        }
        for (const int x : bottomTicks) {
            for (int y = plot.Bottom + 1; y <= plot.Bottom + 4; ++y)
                EXPECT_EQ(PixelAt(image, x, y), kGrey) << "bottom tick " << x;
            EXPECT_NE(PixelAt(image, x, plot.Bottom + 5), kGrey) << x;
        }
        // Inside the plot grey lies only on grid lines, in dots of 3 with gaps of 3.
        for (int y = plot.Top + 1; y < plot.Bottom - 1; ++y)
            for (int x = plot.Left + 1; x < plot.Right; ++x) {
                if (PixelAt(image, x, y) != kGrey)
                    continue;
                const bool onColumn = isBottomTick(x) && (y - plot.Top) % 6 < 3;
                const bool onRow = isLeftTick(y) && (x - plot.Left) % 6 < 3;
                EXPECT_TRUE(onColumn || onRow) << x << "," << y;
            }
    }

    // Every point's pixel inside the clipped plot is red, but for the last one, whose
    // pixel ends the line.
    static void ExpectCurve(const QImage& image, TChart& chart, const TLineSeries& series)
    {
        const TRect plot = chart.PlotRect();
        int checked = 0;
        for (int i = 0; i + 1 < series.PointCount(); ++i) {
            const int x = series.PointScreenX(i), y = series.PointScreenY(i);
            if (x > plot.Left && x < plot.Right && y > plot.Top && y < plot.Bottom - 1) {
                EXPECT_EQ(PixelAt(image, x, y), kRed) << i;
                ++checked;
            }
        }
        EXPECT_GT(checked, series.PointCount() / 2);
    }

    // No two bottom labels overlap; the bottom title lies under the labels, centred,
    // and the left title left of the left labels, turned to read upward.
    static void ExpectLabelsAndTitles(const QImage& image, TChart& chart, const TLineSeries& series)
    {
        TChartAxis& bottom = chart.BottomAxis();
        TChartCanvas3D& canvas = chart.Canvas();
        canvas.Font().Assign(bottom.LabelsFont());
        int lastRight = std::numeric_limits<int>::min();
        for (const int pos : bottom.TickPositions()) {
            int index = 0;
            while (series.PointScreenX(index) != pos)
                ++index;
            const int width = canvas.TextWidthOf(series.PointLabel(index));
            EXPECT_GE(pos - width / 2, lastRight) << pos;
            lastRight = pos - width / 2 + width;
        }
        const auto blueBox = [&](int left, int top, int right, int bottomEdge) {
            QRect box;
            for (int y = top; y < bottomEdge; ++y)
                for (int x = left; x < right; ++x)
                    if (PixelAt(image, x, y) == kBlue)
                        box |= QRect(x, y, 1, 1);
            return box;
        };
        const TRect plot = chart.PlotRect();
        const QRect bottomTitle = blueBox(0, bottom.LabelsPos(), image.width(), image.height());
        EXPECT_GE(bottomTitle.top(), bottom.TitlePos());
        EXPECT_LE(std::abs(bottomTitle.center().x() - bottom.AxisCenter()), 2);
        EXPECT_GT(bottomTitle.width(), 3 * bottomTitle.height());
        const QRect leftTitle = blueBox(0, 0, chart.LeftAxis().TitlePos() + 1, plot.Bottom);
        EXPECT_LE(leftTitle.right(), chart.LeftAxis().TitlePos());
        EXPECT_LE(std::abs(leftTitle.center().y() - chart.LeftAxis().AxisCenter()), 2);
        EXPECT_GT(leftTitle.height(), 3 * leftTitle.width());
    }
};

} // namespace

TEST_F(TChartPixels, TheAttenuationChartAfterTheDefaultCalculate)
{
    const QImage& image = Calculated(1)->Picture();
    ExpectAxesAndGrid(image, *Form->Chart1);
    ExpectCurve(image, *Form->Chart1, Form->Series1);
    ExpectLabelsAndTitles(image, *Form->Chart1, Form->Series1);
}

TEST_F(TChartPixels, ThePhaseChartForTheFirstRow)
{
    const QImage& image = Calculated(2)->Picture();
    ASSERT_EQ(Form->Series2.PointCount(), 199);
    ExpectAxesAndGrid(image, *Form->Chart2);
    ExpectCurve(image, *Form->Chart2, Form->Series2);
    ExpectLabelsAndTitles(image, *Form->Chart2, Form->Series2);
}

TEST_F(TChartPixels, BeforeAnyCalculationEachAxisShowsTheLabelZeroInItsMiddle)
{
    const QImage& image = Shown(1)->Picture();
    TChart& chart = *Form->Chart1;
    EXPECT_EQ(chart.LeftAxis().TickPositions(), std::vector<int>{chart.LeftAxis().AxisCenter()});
    EXPECT_EQ(chart.BottomAxis().TickPositions(), std::vector<int>{chart.BottomAxis().AxisCenter()});
    EXPECT_EQ(PixelAt(image, chart.PlotRect().Right, chart.PlotRect().Top), kBlack);
}
