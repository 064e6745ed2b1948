// Which labels an axis draws, where its ticks go, and the room it takes, with text
// 6 pixels a character and 13 a line.
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <random>
#include <vector>

namespace {

std::vector<int> Gaps(const std::vector<int>& positions)
{
    std::vector<int> gaps;
    for (std::size_t i = 1; i < positions.size(); ++i)
        gaps.push_back(positions[i] - positions[i - 1]);
    return gaps;
}

class TAxisLabels : public testing::Test {
protected:
    TAxisLabels() { Series.SetParentChart(&Chart); }
    void Add(int count, const char* label, double y = 5)
    {
        for (int i = 0; i < count; ++i)
            Series.AddPoint(y, label, AutoColor);
    }
    TChartAxis& Bottom() { return Chart.BottomAxis(); }
    TChartAxis& Left() { return Chart.LeftAxis(); }

    THeadlessChart Chart{true};
    TLineSeries Series;
};

} // namespace

TEST_F(TAxisLabels, AnEmptySeriesShowsTheSingleLabelZeroInTheMiddleOfBothAxes)
{
    Chart.DrawPicture();
    EXPECT_EQ(Bottom().EffectiveLabelStyle(), talValue);
    EXPECT_EQ(Bottom().TickPositions(), std::vector<int>{Bottom().AxisCenter()});
    EXPECT_EQ(Left().TickPositions(), std::vector<int>{Left().AxisCenter()});
}

TEST_F(TAxisLabels, PointLabelsAreThinnedSoThatEachKeepsItsHalfWidthPlusTenPercentFromTheLast)
{
    // Labels 18 pixels wide, one point per pixel: the plot is 355 pixels wide (the left
    // axis takes 12 for its label "5" and a blank, and 6 for its ticks).
    Add(356, "abc");
    Chart.DrawPicture();
    ASSERT_EQ(Bottom().AxisLength(), 355);
    const std::vector<int> gaps = Gaps(Bottom().TickPositions());
    ASSERT_GE(gaps.size(), 10u);
    EXPECT_EQ(gaps.front(), 19);
    for (std::size_t i = 1; i < gaps.size(); ++i)
        EXPECT_EQ(gaps[i], 20) << i;
    EXPECT_EQ(Bottom().TickPositions().front(), Bottom().AxisStart());

    // Without separation every label in range is drawn, overlapping or not.
    Bottom().SetLabelsSeparation(0);
    Chart.DrawPicture();
    EXPECT_EQ(Bottom().TickPositions().size(), 356u);
}

TEST_F(TAxisLabels, TheBottomAxisShowsPointLabelsOnlyWhenTheFirstPointHasOne)
{
    Add(1, "");
    Add(3, "x");
    EXPECT_EQ(Bottom().EffectiveLabelStyle(), talValue);
    Series.ClearPoints();
    Add(3, "x");
    EXPECT_EQ(Bottom().EffectiveLabelStyle(), talText);
    EXPECT_EQ(Left().EffectiveLabelStyle(), talValue);
    Series.SetActive(false);
    EXPECT_EQ(Bottom().EffectiveLabelStyle(), talNone);
}

TEST_F(TAxisLabels, TicksStandOnlyUnderDrawnLabelsAndValueLabelsRunFromTheTopDown)
{
    Series.AddPoint(0, "", AutoColor);
    Series.AddPoint(10, "", AutoColor);
    Chart.DrawPicture();
    const std::vector<int> ticks = Left().TickPositions();
    ASSERT_GE(ticks.size(), 3u);
    EXPECT_EQ(ticks.front(), Left().AxisStart()); // the label 10, at the top end
    EXPECT_EQ(ticks.back(), Left().AxisEnd());    // the label 0, at the bottom end
    for (const int gap : Gaps(ticks))
        EXPECT_GT(gap, 0);

    Left().SetLabelsOnAxis(false);
    Chart.DrawPicture();
    EXPECT_EQ(Left().TickPositions().size(), ticks.size() - 2);
    Left().SetLabels(false);
    Chart.DrawPicture();
    EXPECT_TRUE(Left().TickPositions().empty());
}

TEST_F(TAxisLabels, AZeroRangeFarFromZeroShowsItsValueOnceAndTheTickListHasABound)
{
    for (const double value : {1000.0, 1e6, 1e300}) {
        Series.ClearPoints();
        Add(1, "", value);
        Chart.DrawPicture(); // ends: the walk in steps of 1e-12 would not
        EXPECT_EQ(Left().TickPositions(), std::vector<int>{Left().AxisCenter()}) << value;
    }
    Series.ClearPoints();
    Add(5000, "a");
    Bottom().SetLabelsSeparation(0);
    Chart.DrawPicture();
    EXPECT_EQ(Bottom().TickPositions().size(), TChartAxis::kMaxTickPositions);
}

TEST_F(TAxisLabels, TitleLabelsAndTicksTakeTheirRoomFromTheOutsideIn)
{
    Series.AddPoint(0, "", AutoColor);
    Series.AddPoint(100, "", AutoColor);
    Left().Title().SetCaption("T");
    Bottom().Title().SetCaption("T");
    Chart.DrawPicture();
    // Left: title 13 (one line, turned along the axis), widest end label "100" and a
    // blank 24, ticks 6. Bottom: title 13, labels 13, ticks 6.
    EXPECT_EQ(Left().TitlePos(), 12 + 13);
    EXPECT_EQ(Left().LabelsPos(), 12 + 13 + 24);
    EXPECT_EQ(Chart.PlotRect(), (TRect{12 + 13 + 24 + 6, 17, 385, 402 - 32}));
    EXPECT_EQ(Bottom().TitlePos(), 402 - 13);
    EXPECT_EQ(Bottom().LabelsPos(), 402 - 26);
    EXPECT_EQ(Left().LinePos(), 55);

    // The left axis answers the mouse from its labels' anchor to 3 pixels into the plot.
    const int y = Left().AxisStart();
    EXPECT_TRUE(Left().AxisHitTest(49, y));
    EXPECT_TRUE(Left().AxisHitTest(57, Left().AxisEnd() - 1));
    EXPECT_FALSE(Left().AxisHitTest(58, y));
    EXPECT_FALSE(Left().AxisHitTest(48, y));
    EXPECT_FALSE(Left().AxisHitTest(50, Left().AxisEnd()));
    EXPECT_FALSE(Chart.TopAxis().AxisHitTest(100, 17)); // not shown
}

TEST(AxisLabelsOfManyPoints, ThinningPassesOverLabelsWithinTheRoomTheLastOneClaimed)
{
    // Labels 18 pixels wide, drawn 19 or 20 pixels apart: the 9 or 10 pixels' worth of
    // points right of each drawn label cannot fit and are not measured.
    struct TCounting : TFixedMetrics {
        int Measured = 0;
        int TextWidth(const TChartFont& font, std::string_view text) override
        {
            ++Measured;
            return TFixedMetrics::TextWidth(font, text);
        }
    };
    THeadlessChart chart;
    auto metrics = std::make_unique<TCounting>();
    TCounting& counting = *metrics;
    chart.Canvas().SetTextMetrics(std::move(metrics));
    TLineSeries series;
    series.SetParentChart(&chart);
    series.ReservePoints(200'000, 0);
    for (int i = 0; i < 200'000; ++i)
        series.AddPoint(i % 7, "abc", AutoColor);
    chart.DrawPicture();
    EXPECT_GE(chart.BottomAxis().TickPositions().size(), 10u);
    EXPECT_LT(counting.Measured, 200'000 * 6 / 10);
}

TEST(AxisLabelsOfManyPoints, PassingOverLabelsDrawsTheLabelsThatReadingEveryOneDraws)
{
    // Labels of 0 to 7 characters (0 to 42 pixels wide), some of two lines, in runs of
    // equal texts, hundreds of points to a pixel. A handler that changes nothing makes
    // the axis read and measure every label in turn.
    std::mt19937 random(5);
    std::vector<AnsiString> labels;
    while (labels.size() < 150'000) {
        AnsiString text(std::uniform_int_distribution<std::size_t>(0, 7)(random), 'w');
        if (text.size() > 4 && random() % 3 == 0)
            text[2] = '\r';
        labels.insert(labels.end(), std::uniform_int_distribution<std::size_t>(1, 40)(random), text);
    }
    const std::function<void(TChartAxis&)> views[] = {
        [](TChartAxis&) {},
        [](TChartAxis& bottom) { bottom.SetManualRange(40'000.4, 41'200.7); },
        [](TChartAxis& bottom) { bottom.SetManualRange(-500.5, 99'999.5); },
    };
    for (std::size_t view = 0; view < std::size(views); ++view) {
        std::vector<int> ticks[2];
        QImage pictures[2];
        for (const bool everyOne : {false, true}) {
            THeadlessChart chart(true);
            TLineSeries series;
            series.SetParentChart(&chart);
            for (std::size_t i = 0; i < labels.size(); ++i)
                series.AddPoint(static_cast<double>(i % 13), labels[i], AutoColor);
            if (everyOne)
                chart.OnGetAxisLabel = [](TCustomChartAxis&, TChartSeries*, int, AnsiString&) {};
            views[view](chart.BottomAxis());
            pictures[everyOne] = chart.DrawPicture();
            ticks[everyOne] = chart.BottomAxis().TickPositions();
        }
        EXPECT_GE(ticks[0].size(), 8u) << view;
        EXPECT_EQ(ticks[0], ticks[1]) << view;
        EXPECT_TRUE(pictures[0] == pictures[1]) << view;
    }
}
