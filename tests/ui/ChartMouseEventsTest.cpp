// The window system's mouse, wheel and leave events reach a chart of the window:
// the zoom, pan and wheel behind them are tested on a chart alone (tests/chart).
#include "tests/ui/ChartWindowFixture.h"

#include <QWheelEvent>

namespace {

class TChartMouseEventsTest : public TChartWindowTest {};

TEST_F(TChartMouseEventsTest, ADragZoomsTheWheelScrollsAndLeavingEndsAPan)
{
    TChart* chart = Calculated(2);
    Drag(chart, Qt::LeftButton, {100, 100}, {200, 180});
    EXPECT_TRUE(chart->ZoomedIn());
    Drag(chart, Qt::LeftButton, {200, 180}, {100, 100});
    EXPECT_FALSE(chart->ZoomedIn());

    TChartAxis& left = chart->LeftAxis();
    const double minimum = left.Minimum();
    const double span = left.Maximum() - minimum;
    const QPointF at(200, 200);
    QWheelEvent notchDown(at, chart->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
    QApplication::sendEvent(chart, &notchDown);
    EXPECT_NEAR(left.Minimum(), minimum + 0.03 * span, span * 1e-12);

    Press(chart, Qt::RightButton, {200, 200});
    EXPECT_TRUE(chart->PanDrag().Active);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(chart, &leave);
    EXPECT_FALSE(chart->PanDrag().Active);
}

} // namespace
