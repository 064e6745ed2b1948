#include "chart/ChartPanel.h"

#include "core/ChartErrors.h"
#include "core/MulDiv.h"
#include "core/ScopeExit.h"

#include <QPainter>

TCustomChartPanel::TCustomChartPanel() : FGradient([this] { Invalidate(); }) {}

TCustomChartPanel::~TCustomChartPanel() = default;

void TCustomChartPanel::Invalidate()
{
    if (!FConstructed)
        return;
    FCanvas.MarkStale();
    if (FHost)
        FHost->RequestPaint();
}

int TCustomChartPanel::Width() const
{
    return FHost ? FHost->ClientSize().width() : 400;
}

int TCustomChartPanel::Height() const
{
    return FHost ? FHost->ClientSize().height() : 250;
}

void TCustomChartPanel::SetChart3DPercent(int value)
{
    if (value < 1 || value > 100)
        throw ChartException(FormatMessage("3D effect percent must be between %d and %d", {"1", "100"}));
    SetProperty(FChart3DPercent, value);
}

void TCustomChartPanel::SetRestingCursor(Qt::CursorShape value)
{
    const bool resting = FCursor == FRestingCursor;
    FRestingCursor = value;
    if (resting)
        ShowCursor(value);
}

void TCustomChartPanel::ShowCursor(Qt::CursorShape shape)
{
    if (shape == FCursor)
        return;
    FCursor = shape;
    if (FHost)
        FHost->SetCursorShape(shape);
}

void TCustomChartPanel::Paint(QPainter& window)
{
    if (FCanvas.RepaintFromBuffer(window))
        return;
    DrawToCanvas(&window, TRect{0, 0, Width(), Height()});
}

const QImage& TCustomChartPanel::DrawPicture()
{
    DrawToCanvas(nullptr, TRect{0, 0, Width(), Height()});
    return FCanvas.Buffer();
}

const QImage& TCustomChartPanel::Picture()
{
    return FCanvas.BufferStale() ? DrawPicture() : FCanvas.Buffer();
}

void TCustomChartPanel::DrawOnto(QPainter& painter)
{
    // A layout starts from the one before it (an axis measures its value labels with
    // the length it has), so the drawing repeats the frame the window shows from where
    // that frame started, the frame first brought up to date as the window's next
    // paint would; the layout then goes back to what that frame left.
    if (FCanvas.Buffered())
        Picture();
    const TChartLayoutState shown = SaveLayout();
    RestoreLayout(FShownLayoutStart);
    const TScopeExit restore([&] { RestoreLayout(shown); });
    const TRect rect{0, 0, Width(), Height()};
    DrawFrame(FCanvas.BeginFrame(painter, rect), &painter, rect);
}

void TCustomChartPanel::DrawToCanvas(QPainter* window, const TRect& rect)
{
    FShownLayoutStart = SaveLayout();
    if (FCanvas.Buffered() || !window)
        DrawFrame(FCanvas.BeginFrame(QSize(rect.Width(), rect.Height()), FHost ? FHost->DevicePixelRatio() : 1.0), window, rect);
    else
        DrawFrame(FCanvas.BeginFrame(*window, rect), window, rect);
}

void TCustomChartPanel::DrawFrame(const TRect& bounds, QPainter* window, const TRect& rect)
{
    FPanelBounds = bounds;
    // A drawing that fails leaves the picture stale and the canvas free for the next frame.
    TScopeExit abandon([this] {
        FCanvas.EndFrame(nullptr);
        FCanvas.MarkStale();
    });

    const int w = FPanelBounds.Width();
    const int h = FPanelBounds.Height();
    FPlotRect = TRect{FPanelBounds.Left + MulDiv(MarginLeft(), w, 100) + FBorderWidth,
                      FPanelBounds.Top + MulDiv(MarginTop(), h, 100) + FBorderWidth,
                      FPanelBounds.Right - FBorderWidth - MulDiv(MarginRight(), w, 100),
                      FPanelBounds.Bottom - FBorderWidth - MulDiv(MarginBottom(), h, 100)};
    NormalisePlotRect();
    DrawContent(FPanelBounds);
    abandon.Release();
    FCanvas.EndFrame(window, QPoint(rect.Left, rect.Top));
}

TChartLayoutState TCustomChartPanel::SaveLayout() const
{
    return {FPanelBounds, FPlotRect, {}};
}

void TCustomChartPanel::RestoreLayout(const TChartLayoutState& layout)
{
    FPanelBounds = layout.PanelBounds;
    FPlotRect = layout.PlotRect;
}

void TCustomChartPanel::NormalisePlotRect()
{
    TRect& r = FPlotRect;
    if (r.Left < FPanelBounds.Left)
        r.Left = FPanelBounds.Left;
    if (r.Top < FPanelBounds.Top)
        r.Top = FPanelBounds.Top;
    if (r.Right < r.Left)
        r.Right = r.Left + 1;
    else if (r.Right == r.Left)
        r.Right = r.Left + Width();
    if (r.Bottom < r.Top)
        r.Bottom = r.Top + 1;
    else if (r.Bottom == r.Top)
        r.Bottom = r.Top + Height();
}

void TCustomChartPanel::SetCanvasFont(const TChartFont& font)
{
    FCanvas.Font().Assign(font);
}

void TCustomChartPanel::PaintPanel(const TRect& bounds)
{
    if (FGradient.Visible()) {
        const TGradientDirection d = FGradient.Direction();
        const bool reversed = d == gdBottomTop || d == gdRightLeft;
        FCanvas.GradientFill(bounds, reversed ? FGradient.EndColor() : FGradient.StartColor(),
                             reversed ? FGradient.StartColor() : FGradient.EndColor(),
                             d == gdTopBottom || d == gdBottomTop);
    } else {
        FCanvas.SetBrush(FColor, bsSolid);
        FCanvas.FillRect(bounds.Left, bounds.Top, bounds.Right, bounds.Bottom);
    }
    DrawPanelBevels(bounds);
}

void TCustomChartPanel::DrawPanelBevels(const TRect& bounds)
{
    FCanvas.Pen() = TCanvasPen{};
    FCanvas.ClearBrush();
    TRect r = bounds;
    // One bevel: light on the top and left edges and dark on the others when raised,
    // the other way round when lowered, BevelWidth pixels deep.
    const auto bevel = [&](TBevel kind) {
        if (kind == bvNone)
            return;
        const TColor topLeft = kind == bvRaised ? clBtnHighlight : clBtnShadow;
        const TColor bottomRight = kind == bvRaised ? clBtnShadow : clBtnHighlight;
        for (int i = 0; i < FBevelWidth; ++i) {
            FCanvas.Pen().Color = topLeft;
            FCanvas.LineSegment(r.Left, r.Bottom - 1, r.Left, r.Top);
            FCanvas.DrawPenTo(r.Right - 1, r.Top);
            FCanvas.Pen().Color = bottomRight;
            FCanvas.LineSegment(r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
            FCanvas.DrawPenTo(r.Left - 1, r.Bottom - 1);
            r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
        }
    };
    bevel(FBevelOuter);
    if (FBorderWidth > 0) {
        FCanvas.Pen().Color = FColor;
        for (int i = 0; i < FBorderWidth; ++i) {
            FCanvas.FrameRect(r.Left, r.Top, r.Right, r.Bottom);
            r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
        }
    }
    bevel(FBevelInner);
}
