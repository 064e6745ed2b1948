#pragma once
// The chart control: the chart in a widget. The widget never erases its background
// (the chart's picture covers every pixel), paints by copying the picture when
// nothing changed, and repaints in full after a change, a move or a resize.
#include "chart/CustomChart.h"

#include <QWidget>

class TChart : public QWidget, public TCustomChart, private TChartHost {
public:
    explicit TChart(QWidget* parent = nullptr);

    void Invalidate() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void RequestPaint() override { update(); }
    void PaintNow() override { repaint(); }
    QSize ClientSize() const override { return size(); }
    double DevicePixelRatio() const override { return devicePixelRatioF(); }
    void SetCursorShape(Qt::CursorShape shape) override { setCursor(shape); }

    // A paint that failed is reported once; the chart is not drawn again until it changes.
    bool FPaintFailed = false;
};
