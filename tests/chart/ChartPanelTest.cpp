// The chart as a panel: its plot rectangle, which axes take part, its series list,
// and when it repaints.
#include "chart/Chart.h"
#include "tests/chart/ChartTestSupport.h"
#include "tests/platform/CollectedErrors.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>

#include <functional>

TEST(ChartPanel, TheMarginsGiveThePlotRectangleAndASqueezedOneIsRepaired)
{
    THeadlessChart chart;
    chart.SetAxisVisible(false); // no axis takes room
    chart.Title().SetVisible(false);
    chart.DrawPicture();
    EXPECT_EQ(chart.PlotRect(), (TRect{12, 17, 385, 402}));
    EXPECT_EQ(chart.PanelBounds(), (TRect{0, 0, 397, 419}));

    chart.SetMarginLeft(60);
    chart.SetMarginRight(60);
    chart.SetMarginTop(40);
    chart.SetMarginBottom(60);
    chart.DrawPicture();
    // Reversed across (238 … 159): one pixel wide; empty down (168 … 168): the control's whole height.
    EXPECT_EQ(chart.PlotRect(), (TRect{238, 168, 239, 168 + 419}));
}

TEST(ChartPanel, OnlyAxesOfAnActiveSeriesAreShownAndAChartWithoutOneShowsAllFourSides)
{
    THeadlessChart chart;
    const auto shown = [&] {
        std::vector<bool> result;
        for (TCustomChartAxis* axis : chart.AxesList())
            result.push_back(chart.AxisIsShown(*axis));
        return result;
    };
    EXPECT_EQ(shown(), (std::vector<bool>{true, true, true, true, false}));
    TLineSeries series;
    series.SetParentChart(&chart);
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, true, false, false}));
    series.SetVertAxis(aBothVertAxis);
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, true, true, false}));
    chart.SetAxisVisible(false);
    EXPECT_EQ(shown(), (std::vector<bool>(5, false)));
}

TEST(ChartPanel, ASeriesWithoutAColourTakesTheFirstPaletteColourNoOtherUses)
{
    THeadlessChart chart;
    chart.SetColor(clRed);
    TLineSeries first, second, third;
    first.SetParentChart(&chart);
    EXPECT_EQ(first.SeriesColor(), 0x008000); // red is the panel's
    second.SetParentChart(&chart);
    EXPECT_EQ(second.SeriesColor(), 0x00FFFF);
    third.SetSeriesColor(clBlue);
    third.SetParentChart(&chart);
    EXPECT_EQ(third.SeriesColor(), clBlue);
    EXPECT_EQ(chart.SeriesCount(), 3);

    TLineSeries stranger;
    chart.RemoveSeries(stranger); // not in the list: nothing
    EXPECT_EQ(chart.SeriesCount(), 3);
}

TEST(ChartPanel, AValueSetToItselfCausesNoRepaint)
{
    THeadlessChart chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    const std::function<void(bool)> setters[] = {
        [&](bool other) { chart.SetColor(other ? clRed : clBtnFace); },
        [&](bool other) { chart.SetMarginTop(other ? 9 : 4); },
        [&](bool other) { chart.SetView3D(!other); },
        [&](bool other) { chart.BackWall().Brush().SetStyle(other ? bsSolid : bsClear); },
        [&](bool other) { chart.BottomAxis().SetTickLength(other ? 7 : 4); },
        [&](bool other) { chart.LeftAxis().Grid().SetStyle(other ? psSolid : psDot); },
        [&](bool other) { chart.LeftAxis().Title().Font().SetBold(other); },
        [&](bool other) { chart.LeftAxis().SetMaximum(other ? 3 : 0); },
        [&](bool other) { series.LinePen().SetWidth(other ? 2 : 1); },
        [&](bool other) { chart.Legend().SetVisible(!other); },
    };
    int index = 0;
    for (const auto& set : setters) {
        chart.PaintRequests = 0;
        set(false);
        EXPECT_EQ(chart.PaintRequests, 0) << index;
        set(true);
        EXPECT_EQ(chart.PaintRequests, 1) << index;
        set(false);
        ++index;
    }
}

TEST(ChartPanel, ARepaintWithNothingChangedOnlyCopiesThePicture)
{
    THeadlessChart chart;
    int fullDraws = 0;
    chart.OnAfterDraw = [&] { ++fullDraws; };
    QImage window(397, 419, QImage::Format_RGB32);
    QPainter painter(&window);
    chart.Paint(painter);
    chart.Paint(painter);
    EXPECT_EQ(fullDraws, 1);
    chart.LeftAxis().SetInverted(true);
    chart.Paint(painter);
    EXPECT_EQ(fullDraws, 2);
    EXPECT_EQ(window, chart.Canvas().Buffer());
    // A new size lays the chart out again.
    chart.Size = QSize(300, 200);
    chart.Invalidate();
    EXPECT_EQ(chart.DrawPicture().size(), QSize(300, 200));
    EXPECT_EQ(chart.PanelBounds(), (TRect{0, 0, 300, 200}));
}

TEST(ChartPanel, OnAHighDensityScreenThePictureHasTheScreensPixels)
{
    THeadlessChart chart;
    chart.Ratio = 2;
    const QImage& picture = chart.DrawPicture();
    EXPECT_EQ(picture.size(), QSize(794, 838));
    EXPECT_EQ(picture.devicePixelRatio(), 2);
    EXPECT_EQ(chart.PlotRect().Right, 385 - chart.RightAxis().LabelsExtent() - 6); // laid out in logical pixels
}

TEST(ChartPanel, APaintThatFailsIsReportedOnceUntilTheChartChanges)
{
    TCollectedErrors errors;
    TChart chart;
    chart.resize(200, 150);
    chart.show();
    QCoreApplication::processEvents();
    chart.LeftAxis().SetAxisValuesFormat("#,##0.### kg"); // a picture the number text cannot write
    chart.repaint();
    chart.repaint(); // after the error box, say
    EXPECT_EQ(errors.Texts.size(), 1u);
    chart.LeftAxis().SetAxisValuesFormat("0.0");
    const QImage fixed = chart.grab().toImage();
    EXPECT_EQ(errors.Texts.size(), 1u);
    EXPECT_EQ(PixelAt(fixed, chart.PlotRect().Right, chart.PlotRect().Top), 0u); // drawn again
}

TEST(ChartPanel, TheWidgetPaintsOnceForABurstOfPointsAndAgainAfterBeingHidden)
{
    struct TPaintCount : QObject {
        int Count = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            Count += event->type() == QEvent::Paint;
            return false;
        }
    } paints;
    TChart chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    chart.resize(200, 150);
    chart.show();
    QCoreApplication::processEvents();
    chart.installEventFilter(&paints);
    const auto addPoints = [&](int count) {
        for (int i = 0; i < count; ++i)
            series.AddPoint(i, "", AutoColor);
        QCoreApplication::processEvents();
    };
    addPoints(1000);
    EXPECT_EQ(paints.Count, 1);
    chart.hide();
    addPoints(1); // asked while hidden: the paint comes with the showing
    chart.show();
    QCoreApplication::processEvents();
    const int shown = paints.Count;
    EXPECT_GE(shown, 2);
    addPoints(1);
    EXPECT_EQ(paints.Count, shown + 1);
}
