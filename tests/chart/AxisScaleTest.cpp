// An axis' range, its manual and automatic modes, its margins, the step it asks for, and its setters.
#include "core/ChartErrors.h"
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// An axis placed along a plot rectangle with a range set by hand.
TChartAxis& Placed(THeadlessChart& chart, TChartAxis& axis, const TRect& plot, double low, double high)
{
    chart.SetPlotRect(plot);
    axis.SetManualRange(low, high);
    axis.ComputeRange();
    axis.PlaceAxis();
    return axis;
}

} // namespace

TEST(AxisScale, AnAxisLiesAlongThePlotsSideInItsDirection)
{
    THeadlessChart chart;
    const TChartAxis& bottom = Placed(chart, chart.BottomAxis(), TRect{50, 10, 350, 310}, 0, 198);
    EXPECT_EQ(bottom.ValueToPos(99), 200);
    TChartAxis& left = Placed(chart, chart.LeftAxis(), TRect{50, 10, 350, 310}, 0, 90);
    EXPECT_EQ(left.ValueToPos(90), 10);
    EXPECT_EQ(left.PosToValue(160), 45);
    left.SetStartPosition(10);
    left.SetInverted(true);
    left.PlaceAxis();
    EXPECT_EQ(left.AxisStart(), 40);
    EXPECT_EQ(left.ValueToPos(90), 310);
}

TEST(AxisScale, AnEmptyOrSinglePointSeriesGivesARangeOfSizeZeroAtTheMiddle)
{
    THeadlessChart chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    chart.DrawPicture();
    for (TChartAxis* axis : {&chart.BottomAxis(), &chart.LeftAxis()}) {
        EXPECT_EQ(axis->RangeSize(), 0);
        EXPECT_EQ(axis->ValueToPos(123), axis->AxisCenter());
        EXPECT_EQ(axis->LabelStep(), 1e-12);
    }
    series.AddPoint(7, "a", AutoColor);
    chart.DrawPicture();
    EXPECT_EQ(series.PointScreenX(0), chart.BottomAxis().AxisCenter());
    EXPECT_EQ(series.PointScreenY(0), chart.LeftAxis().AxisCenter());
}

TEST(AxisScale, TheStepFollowsTheAxisIncrementAndLabelsSeparation)
{
    THeadlessChart chart;
    TChartAxis& axis = chart.LeftAxis();
    axis.SetManualRange(0, 75);
    axis.ComputeRange();
    axis.SetIncrement(3);
    EXPECT_EQ(axis.StepForLabelCount(20), 5); // 25 labels of 3 do not fit
    axis.SetLabelsSeparation(0);
    EXPECT_EQ(axis.StepForLabelCount(20), 3);
}

TEST(AxisScale, AManualRangeKeepsASpanAndOnlyTheSettersMakeAnAxisAutomaticAgain)
{
    THeadlessChart chart;
    TChartAxis& axis = chart.BottomAxis();
    axis.SetManualRange(7, 7);
    EXPECT_EQ(axis.Maximum(), 7 + 1e-10);
    EXPECT_FALSE(axis.Automatic() || axis.AutomaticMinimum() || axis.AutomaticMaximum());
    axis.SetManualRange(9, 3);
    EXPECT_EQ(axis.Minimum(), 3);
    EXPECT_EQ(axis.Maximum(), 9);
    // Where 1e-10 is below a double's resolution the span is the next double up.
    axis.SetManualRange(1e9, 1e9);
    EXPECT_GT(axis.Maximum(), axis.Minimum());

    axis.SetAutomatic(true);
    EXPECT_TRUE(axis.Automatic() && axis.AutomaticMinimum() && axis.AutomaticMaximum());
    axis.SetAutomaticMinimum(false);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_TRUE(axis.AutomaticMaximum());
    axis.SetAutomaticMinimum(true);
    EXPECT_TRUE(axis.Automatic());
}

TEST(AxisScale, ShiftingMovesBothEndsAndWithLimitsOnlyTowardsData)
{
    THeadlessChart chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    for (double y : {0.0, 10.0})
        series.AddPoint(y, "", AutoColor);
    TChartAxis& left = chart.LeftAxis();
    left.SetManualRange(0, 10);
    left.ShiftRange(5, true); // no data above 10
    EXPECT_EQ(left.Maximum(), 10);
    left.ShiftRange(-2, true);
    EXPECT_EQ(left.Maximum(), 10);
    left.ShiftRange(3, false);
    EXPECT_EQ(left.Minimum(), 3);
    EXPECT_EQ(left.Maximum(), 13);
    left.ShiftRange(-1, true); // data below 3
    EXPECT_EQ(left.Minimum(), 2);
}

TEST(AxisScale, MarginsWidenTheRangeUnlessTheAxisHasNoRoomForThem)
{
    THeadlessChart chart;
    TChartAxis& axis = Placed(chart, chart.BottomAxis(), TRect{0, 0, 100, 100}, 0, 100);
    axis.FitRangeToMargins(10, 10);
    EXPECT_DOUBLE_EQ(axis.RangeMin(), -12.5);
    EXPECT_DOUBLE_EQ(axis.RangeMax(), 112.5);
    EXPECT_EQ(axis.AxisLength(), 100);
    Placed(chart, axis, TRect{0, 0, 100, 100}, 0, 100);
    axis.FitRangeToMargins(60, 60);
    EXPECT_EQ(axis.RangeMin(), 0);
    EXPECT_EQ(axis.RangeMax(), 100);
}

TEST(AxisScale, SettersRefuseValuesOutOfRangeWithTheirMessageAndKeepTheOldValue)
{
    THeadlessChart chart;
    TChartAxis& axis = chart.LeftAxis();
    axis.SetMaximum(5);
    const struct {
        std::function<void()> set;
        const char* message;
        std::function<bool()> unchanged;
    } cases[] = {
        {[&] { axis.SetIncrement(-1); }, "Axis increment must be >= 0", [&] { return axis.Increment() == 0; }},
        {[&] { axis.SetMinimum(6); }, "Axis Minimum Value must be <= Maximum", [&] { return axis.Minimum() == 0; }},
        {[&] { axis.SetMaximum(-1); }, "Axis Maximum Value must be >= Minimum", [&] { return axis.Maximum() == 5; }},
        {[&] { axis.SetLabelsSeparation(-1); }, "Labels Separation % must be greater than 0", [&] { return axis.LabelsSeparation() == 10; }},
        {[&] { axis.SetLogarithmicBase(1); }, "Axis Logarithmic Base should be >= 2", [&] { return axis.LogarithmicBase() == 10; }},
        {[&] { axis.SetLabelsAngle(360); }, "Axis Labels Angle must be between 0 and 359 degrees", [&] { return axis.LabelsAngle() == 0; }},
        {[&] { axis.Title().SetAngle(-1); }, "Axis Title Angle must be between 0 and 359 degrees", [&] { return axis.Title().Angle() == 90; }},
        {[&] { axis.SetManualRange(-3, 5); axis.SetLogarithmic(true); }, "Logarithmic Axis Min and Max values should be >= 0", [&] { return !axis.Logarithmic(); }},
        {[&] { chart.SetChart3DPercent(0); }, "3D effect percent must be between 1 and 100", [&] { return chart.Chart3DPercent() == 15; }},
        {[&] { chart.SetMaxPointsPerPage(-1); }, "MaxPointsPerPage must be >= 0", [&] { return chart.MaxPointsPerPage() == 0; }},
    };
    for (const auto& c : cases) {
        try {
            c.set();
            ADD_FAILURE() << c.message;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
            EXPECT_TRUE(dynamic_cast<const AxisException*>(&e) || dynamic_cast<const ChartException*>(&e));
        }
        EXPECT_TRUE(c.unchanged()) << c.message;
    }
    EXPECT_NO_THROW(axis.SetLabelsSeparation(0));
}

TEST(AxisScale, InactiveSeriesSetTheRangeOnlyWhenNoActiveOneIsBoundToTheAxis)
{
    THeadlessChart chart;
    TLineSeries a, b, c;
    for (TLineSeries* s : {&a, &b, &c})
        s->SetParentChart(&chart);
    a.AddPoint(1, "", AutoColor);
    b.AddPoint(50, "", AutoColor);
    c.SetVertAxis(aRightAxis);
    c.AddPoint(-9, "", AutoColor);
    a.SetActive(false);
    b.SetActive(false);
    EXPECT_EQ(chart.SeriesExtreme(chart.LeftAxis(), true, false), 1);
    EXPECT_EQ(chart.SeriesExtreme(chart.LeftAxis(), false, false), 50);
    b.SetActive(true);
    EXPECT_EQ(chart.SeriesExtreme(chart.LeftAxis(), true, false), 50);
    EXPECT_EQ(chart.SeriesExtreme(chart.RightAxis(), true, false), -9);
}
