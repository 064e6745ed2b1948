#include "chart/Chart.h"

#include "platform/ErrorSink.h"
#include "platform/SystemColors.h"

#include <QEvent>
#include <QPainter>

TChart::TChart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(400, 250);
    SetHost(this);
}

void TChart::Invalidate()
{
    FPaintFailed = false;
    TCustomChart::Invalidate();
}

void TChart::paintEvent(QPaintEvent*)
{
    QPainter window(this);
    if (FPaintFailed) {
        window.fillRect(rect(), ToQColor(Color()));
        return;
    }
    // Nothing may unwind through Qt's event dispatch.
    try {
        Paint(window);
    } catch (const std::exception& error) {
        FPaintFailed = true;
        window.fillRect(rect(), ToQColor(Color()));
        ReportError(error);
    }
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
