#pragma once
// Charts without a window: a host of a chosen size that counts paint requests, and
// fixed text metrics (6 pixels a character, 13 a line) for checking the layout
// arithmetic by hand; and pictures drawn and read pixel by pixel.
#include "chart/ChartCanvas.h"
#include "chart/CustomChart.h"
#include "chart/LineSeries.h"
#include "chart/TextMetrics.h"

#include <QImage>

#include <functional>
#include <memory>
#include <string_view>
#include <utility>

class TFixedMetrics : public TTextMetrics {
public:
    int TextWidth(const TChartFont&, std::string_view text) override { return 6 * static_cast<int>(text.size()); }
    int TextHeight(const TChartFont&) override { return 13; }
};

class THeadlessChart : public TCustomChart, public TChartHost {
public:
    explicit THeadlessChart(bool fixedMetrics = false)
    {
        if (fixedMetrics)
            Canvas().SetTextMetrics(std::make_unique<TFixedMetrics>());
        SetHost(this);
    }

    int PaintRequests = 0;
    QSize Size{397, 419};
    double Ratio = 1;

    void RequestPaint() override
    {
        ++PaintRequests;
        FPaintPending = true;
    }
    // Paints as a window's event loop does: once for any number of requests since the
    // last time, in full only when the picture is stale.
    void ProcessPaints()
    {
        if (std::exchange(FPaintPending, false))
            Picture();
    }
    void PaintNow() override { DrawPicture(); }
    QSize ClientSize() const override { return Size; }
    double DevicePixelRatio() const override { return Ratio; }
    void SetCursorShape(Qt::CursorShape) override {}

    // For placing axes without a paint.
    void SetPlotRect(const TRect& rect) { FPlotRect = rect; }

private:
    bool FPaintPending = false;
};

// The picture's pixel at a logical position, as 0xRRGGBB.
inline unsigned PixelAt(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

// What a canvas of this size, filled white, shows once drawn on.
inline QImage DrawnOnWhite(const std::function<void(TChartCanvas3D&)>& draw, QSize size, double ratio = 1)
{
    TChartCanvas3D canvas;
    canvas.BeginFrame(size, ratio);
    canvas.SetBrush(clWhite, bsSolid);
    canvas.FillRect(0, 0, size.width(), size.height());
    draw(canvas);
    canvas.EndFrame(nullptr);
    return canvas.Buffer();
}
