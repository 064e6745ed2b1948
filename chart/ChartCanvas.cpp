#include "chart/ChartCanvas.h"

#include "chart/FontTextMetrics.h"
#include "core/ScopeExit.h"

#include <QPainter>

#include <cmath>

TChartCanvas3D::TChartCanvas3D()
    : FMetrics(std::make_unique<TFontTextMetrics>())
{
}

TChartCanvas3D::~TChartCanvas3D() = default;

void TChartCanvas3D::SetTextMetrics(std::unique_ptr<TTextMetrics> metrics)
{
    FMetrics = std::move(metrics);
}

void TChartCanvas3D::StartPainting(QPainter* painter)
{
    FPainter = painter;
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::TextAntialiasing, true);
    FClip.reset();
}

TRect TChartCanvas3D::BeginFrame(QSize size, qreal devicePixelRatio)
{
    FBuffered = true;
    const QSize device(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(size.height() * devicePixelRatio)));
    if (FBuffer.size() != device || FBuffer.devicePixelRatio() != devicePixelRatio) {
        FBuffer = QImage(device, QImage::Format_RGB32);
        FBuffer.setDevicePixelRatio(devicePixelRatio);
    }
    FOwnPainter = std::make_unique<QPainter>(&FBuffer);
    FExact = devicePixelRatio == 1.0;
    FOntoDevice = false;
    FFrame = TRect{0, 0, size.width(), size.height()};
    StartPainting(FOwnPainter.get());
    return FFrame;
}

TRect TChartCanvas3D::BeginFrame(QPainter& target, const TRect& bounds)
{
    FExact = false;
    FOntoDevice = true;
    FFrame = bounds;
    StartPainting(&target);
    return bounds;
}

void TChartCanvas3D::EndFrame(QPainter* window, QPoint origin)
{
    if (FOwnPainter) {
        FOwnPainter.reset();
        FStale = false;
        if (window)
            window->drawImage(origin, FBuffer);
    } else if (FPainter) {
        FPainter->setClipping(false);
    }
    FPainter = nullptr;
}

bool TChartCanvas3D::RepaintFromBuffer(QPainter& window) const
{
    if (!PictureCurrent())
        return false;
    window.drawImage(QPoint(0, 0), FBuffer);
    return true;
}

bool TChartCanvas3D::DrawOverPicture(const std::function<void()>& draw)
{
    if (!PictureCurrent() || FPainter)
        return false;
    QPainter painter(&FBuffer);
    StartPainting(&painter);
    const TScopeExit unbind([this] { FPainter = nullptr; });
    draw();
    return true;
}

void TChartCanvas3D::SetBuffered(bool value)
{
    if (value == FBuffered)
        return;
    FBuffered = value;
    if (!value)
        FBuffer = QImage();
    FStale = true;
}

void TChartCanvas3D::SetBrush(TColor color, TBrushStyle style)
{
    FBrush = {color, style};
    if (style == bsSolid) {
        FBackColor = color;
        FBackMode = bmOpaque;
    } else {
        FBackMode = bmTransparent;
    }
}

void TChartCanvas3D::SetTextAlign(THorizTextAlign horiz, TVertTextAlign vert)
{
    FHorizAlign = horiz;
    FVertAlign = vert;
}

void TChartCanvas3D::ApplyChartPen(const TChartPen& pen)
{
    if (!pen.Visible()) {
        FPen.Style = psClear;
        return;
    }
    FPen.Color = pen.Color();
    FPen.Mode = pen.Mode();
    FPen.Style = pen.Style();
    FPen.Width = pen.Width();
    FPen.Alternate = pen.SmallDots() && pen.Width() == 1;
}

void TChartCanvas3D::ResetDrawingDefaults()
{
    FPen = TCanvasPen{};
    FBrush = TCanvasBrush{};
    FFont.SetColor(clBlack);
    FFont.SetSize(10);
    FBackColor = clWhite;
    FBackMode = bmTransparent;
}

void TChartCanvas3D::ClipToRect(const TRect& rect)
{
    FClip = rect;
    if (FPainter)
        FPainter->setClipRect(rect.ToQRect());
}

void TChartCanvas3D::RemoveClip()
{
    FClip.reset();
    if (FPainter)
        FPainter->setClipping(false);
}

void TChartCanvas3D::ClipToPlotArea(const TRect& rect, int, int)
{
    ClipToRect(TRect{rect.Left + 1, rect.Top + 1, rect.Right, rect.Bottom - 1});
}

QPoint TChartCanvas3D::ProjectPoint(int x, int y, int) const
{
    return QPoint(x, y);
}
