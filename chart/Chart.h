#pragma once
// The chart control: the chart in a widget. The widget never erases its background
// (the chart's picture covers every pixel), paints by copying the picture when
// nothing changed, and repaints in full after a change, a move or a resize. It hands
// the mouse and the wheel to the chart, and keeps the arrow keys while it has the
// focus. The context-menu key, while it has the focus, asks for the chart's context
// menu as a right click does.
#include "chart/CustomChart.h"

#include <QWidget>

class TChart : public QWidget, public TCustomChart, private TChartHost {
public:
    explicit TChart(QWidget* parent = nullptr);
    ~TChart() override;

    void Invalidate() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void RequestPaint() override;
    void PaintNow() override { repaint(); }
    QSize ClientSize() const override { return size(); }
    double DevicePixelRatio() const override { return devicePixelRatioF(); }
    void SetCursorShape(Qt::CursorShape shape) override { setCursor(shape); }

    // A paint that failed is reported once; the chart is not drawn again until it changes.
    bool FPaintFailed = false;
    // A paint is asked for and has not begun: the rest of a burst of changes (a point
    // at a time, a million times) need not ask again.
    bool FPaintRequested = false;
};
