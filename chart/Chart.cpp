#include "chart/Chart.h"

#include "platform/Guarded.h"
#include "platform/SystemColors.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <utility>

namespace {

QPoint LogicalPixel(const QMouseEvent& event)
{
    return event.position().toPoint();
}

} // namespace

TChart::TChart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(400, 250);
    setMouseTracking(true);
    SetHost(this);
}

TChart::~TChart()
{
    // The widget goes before the chart parts, which must no longer reach it.
    SetHost(nullptr);
}

void TChart::Invalidate()
{
    FPaintFailed = false;
    TCustomChart::Invalidate();
}

void TChart::RequestPaint()
{
    if (!std::exchange(FPaintRequested, true))
        update();
}

void TChart::paintEvent(QPaintEvent*)
{
    FPaintRequested = false;
    QPainter window(this);
    // A paint that failed is reported once; the chart shows its colour until it changes.
    if (!FPaintFailed && !Guarded([&] { Paint(window); }))
        FPaintFailed = true;
    if (FPaintFailed)
        window.fillRect(rect(), ToQColor(Color()));
}

void TChart::resizeEvent(QResizeEvent*)
{
    Invalidate();
}

void TChart::moveEvent(QMoveEvent*)
{
    Invalidate();
}

void TChart::changeEvent(QEvent* event)
{
    // The system colours the chart resolves may have changed.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        Invalidate();
    QWidget::changeEvent(event);
}

void TChart::mousePressEvent(QMouseEvent* event)
{
    Guarded([&] { MouseDown(event->button(), LogicalPixel(*event).x(), LogicalPixel(*event).y()); });
}

void TChart::mouseMoveEvent(QMouseEvent* event)
{
    Guarded([&] { MouseMove(event->buttons(), LogicalPixel(*event).x(), LogicalPixel(*event).y()); });
}

void TChart::mouseReleaseEvent(QMouseEvent* event)
{
    Guarded([&] { MouseUp(event->button(), LogicalPixel(*event).x(), LogicalPixel(*event).y()); });
}

void TChart::leaveEvent(QEvent*)
{
    Guarded([&] { MouseLeave(); });
}

void TChart::wheelEvent(QWheelEvent* event)
{
    event->accept();
    Guarded([&] { MouseWheel(event->angleDelta().y()); });
}

void TChart::keyPressEvent(QKeyEvent* event)
{
    // The arrow keys are the chart's while it has the focus; they do nothing.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->accept();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TChart::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse's right click is the chart's own (MouseUp); the key opens the menu
    // in the middle of the chart.
    event->accept();
    if (event->reason() == QContextMenuEvent::Keyboard && OnContextMenu)
        Guarded([&] { OnContextMenu(width() / 2, height() / 2); });
}
