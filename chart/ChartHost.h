#pragma once
// What a chart needs from the window it lives in. The chart widget provides it; a
// chart without one still lays itself out and draws into its off-screen picture.
#include <QSize>
#include <Qt>

class TChartHost {
public:
    // Asks the window system for a paint later; a burst of requests costs one paint.
    virtual void RequestPaint() = 0;
    // Paints at once, before returning.
    virtual void PaintNow() = 0;
    // The client area in logical pixels.
    virtual QSize ClientSize() const = 0;
    // Device pixels per logical pixel on the window's screen.
    virtual double DevicePixelRatio() const = 0;
    virtual void SetCursorShape(Qt::CursorShape shape) = 0;

protected:
    ~TChartHost() = default;
};
