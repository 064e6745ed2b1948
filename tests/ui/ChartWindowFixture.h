#pragma once
// The two charts at their design size after the default Calculate, and the mouse
// sent to them as the window system sends it.
#include "chart/Chart.h"
#include "tests/ui/MainWindowFixture.h"

#include <QApplication>
#include <QMouseEvent>

inline void Mouse(TChart* chart, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), chart->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(chart, &event);
}

inline void Press(TChart* chart, Qt::MouseButton button, QPoint at)
{
    Mouse(chart, QEvent::MouseButtonPress, at, button, button);
}

inline void MoveHolding(TChart* chart, Qt::MouseButtons held, QPoint at)
{
    Mouse(chart, QEvent::MouseMove, at, Qt::NoButton, held);
}

inline void Release(TChart* chart, Qt::MouseButton button, QPoint at)
{
    Mouse(chart, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

// A drag as the user makes it; the chart then repaints, as it would before the next one.
inline void Drag(TChart* chart, Qt::MouseButton button, QPoint from, QPoint to)
{
    Press(chart, button, from);
    MoveHolding(chart, button, to);
    Release(chart, button, to);
    QCoreApplication::processEvents();
}

class TChartWindowTest : public TDesignWindowTest {
protected:
    // The chart's page after the default Calculate, painted.
    TChart* Calculated(int page)
    {
        Form->Button1->click();
        return Shown(page);
    }
    TChart* Shown(int page)
    {
        ShowPage(page);
        TChart* chart = page == 1 ? Form->Chart1 : Form->Chart2;
        QCoreApplication::processEvents();
        EXPECT_EQ(chart->size(), QSize(397, 419));
        return chart;
    }
    // Calculated, then drawn again: the axes settle on the second layout after new data.
    TChart* Settled(int page)
    {
        TChart* chart = Calculated(page);
        chart->Invalidate();
        QCoreApplication::processEvents();
        return chart;
    }
};
