#pragma once
// The chart as a panel: its drawing canvas, colour, bevels and margins, the panel
// and plot rectangles of a paint, and the paint itself, which composes the whole
// chart in the canvas' off-screen picture and copies it to the window. A repaint
// with nothing changed since the last full draw is only that copy.
#include "chart/ChartCanvas.h"
#include "chart/ChartGradient.h"
#include "chart/ChartHost.h"
#include "chart/ChartLayoutState.h"
#include "chart/ChartObject.h"
#include "chart/ChartRect.h"
#include "platform/Bevel.h"

#include <array>
#include <functional>

class QPainter;
class TCustomChartAxis;

enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

// Asked before a pan step moves an axis: may change the new range or, clearing
// allow, keep the axis where it is.
using TChartAllowScrollEvent = std::function<void(TCustomChartAxis& axis, double& newMinimum, double& newMaximum, bool& allow)>;

class TCustomChartPanel {
public:
    TCustomChartPanel();
    virtual ~TCustomChartPanel();
    TCustomChartPanel(const TCustomChartPanel&) = delete;
    TCustomChartPanel& operator=(const TCustomChartPanel&) = delete;

    // The window the chart lives in; none: the chart draws only into its picture.
    void SetHost(TChartHost* host) { FHost = host; }
    TChartHost* Host() const { return FHost; }

    // Marks the picture stale and asks the window for a paint; nothing before the
    // chart is fully constructed.
    virtual void Invalidate();
    TChartCanvas3D& Canvas() { return FCanvas; }

    // A paint request: the current picture when nothing changed, else a full draw.
    void Paint(QPainter& window);
    // One complete paint of the rectangle; the picture is then copied onto the window, if any.
    void DrawToCanvas(QPainter* window, const TRect& rect);
    // A full draw of the whole client area into the off-screen picture.
    const QImage& DrawPicture();
    // The picture the window shows: the off-screen one, drawn first when it is stale.
    const QImage& Picture();
    // Draws the whole chart at its client size straight onto the painter (a vector
    // device, say): the drawing the window shows, with lines as lines and texts as
    // texts. The window's picture and the chart's layout stay as they were.
    void DrawOnto(QPainter& painter);
    // Copies the font onto the canvas.
    void SetCanvasFont(const TChartFont& font);

    // The control's size: the window's client area, 400 × 250 without a window.
    int Width() const;
    int Height() const;
    const TRect& PanelBounds() const { return FPanelBounds; }
    const TRect& PlotRect() const { return FPlotRect; }
    int PlotWidth() const { return FPlotRect.Width(); }
    int PlotHeight() const { return FPlotRect.Height(); }
    int PlotCenterX() const { return (FPlotRect.Left + FPlotRect.Right) / 2; }
    int PlotCenterY() const { return (FPlotRect.Top + FPlotRect.Bottom) / 2; }

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { SetProperty(FColor, value); }
    TBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevel value) { SetProperty(FBevelOuter, value); }
    TBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevel value) { SetProperty(FBevelInner, value); }
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value) { SetProperty(FBevelWidth, value); }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value) { SetProperty(FBorderWidth, value); }
    // Percent of the panel's width (left, right) or height (top, bottom).
    int MarginLeft() const { return FMargins[0]; }
    void SetMarginLeft(int value) { SetProperty(FMargins[0], value); }
    int MarginTop() const { return FMargins[1]; }
    void SetMarginTop(int value) { SetProperty(FMargins[1], value); }
    int MarginRight() const { return FMargins[2]; }
    void SetMarginRight(int value) { SetProperty(FMargins[2], value); }
    int MarginBottom() const { return FMargins[3]; }
    void SetMarginBottom(int value) { SetProperty(FMargins[3], value); }
    // The 3D view is not drawn: a chart with View3D draws flat.
    bool View3D() const { return FView3D; }
    void SetView3D(bool value) { SetProperty(FView3D, value); }
    int Chart3DPercent() const { return FChart3DPercent; }
    // ChartException outside 1 … 100.
    void SetChart3DPercent(int value);
    TChartGradient& Gradient() { return FGradient; }

    bool AllowZoom() const { return FAllowZoom; }
    void SetAllowZoom(bool value) { SetProperty(FAllowZoom, value); }
    TPanningMode AllowPanning() const { return FAllowPanning; }
    void SetAllowPanning(TPanningMode value) { SetProperty(FAllowPanning, value); }
    bool AnimatedZoom() const { return FAnimatedZoom; }
    void SetAnimatedZoom(bool value) { SetProperty(FAnimatedZoom, value); }
    int AnimatedZoomSteps() const { return FAnimatedZoomSteps; }
    void SetAnimatedZoomSteps(int value) { SetProperty(FAnimatedZoomSteps, value); }

    // The cursor the chart shows when no drag and no series asks for another.
    Qt::CursorShape RestingCursor() const { return FRestingCursor; }
    void SetRestingCursor(Qt::CursorShape value);
    // The cursor shown over the chart now.
    Qt::CursorShape Cursor() const { return FCursor; }
    // Shows another cursor over the chart, until the next one is shown.
    void ShowCursor(Qt::CursorShape shape);

    // Told after a zoom, after an undo and after each pan step.
    std::function<void()> OnZoom;
    std::function<void()> OnUndoZoom;
    std::function<void()> OnScroll;
    TChartAllowScrollEvent OnAllowScroll;

protected:
    template <class T>
    void SetProperty(T& field, const T& value)
    {
        StoreChanged(field, value, [this] { Invalidate(); });
    }
    // Draws everything inside the panel for one paint.
    virtual void DrawContent(const TRect& bounds) = 0;
    // Background and bevels.
    void PaintPanel(const TRect& bounds);
    // Repairs a plot rectangle squeezed to nothing: a reversed one becomes one pixel
    // wide or high, an empty one takes the control's whole width or height.
    void NormalisePlotRect();
    // Called last by the most derived constructor; invalidation starts working then.
    void EndConstruction() { FConstructed = true; }
    // What a paint's layout leaves in the chart, and putting it back.
    virtual TChartLayoutState SaveLayout() const;
    virtual void RestoreLayout(const TChartLayoutState& layout);

    TRect FPlotRect;

private:
    // Lays out and draws the chart into the frame the canvas has begun.
    void DrawFrame(const TRect& bounds, QPainter* window, const TRect& rect);
    void DrawPanelBevels(const TRect& bounds);

    TChartHost* FHost = nullptr;
    TChartCanvas3D FCanvas;
    bool FConstructed = false;
    TRect FPanelBounds;
    // The layout the frame the window shows started from.
    TChartLayoutState FShownLayoutStart;

    TColor FColor = clBtnFace;
    TBevel FBevelOuter = bvRaised;
    TBevel FBevelInner = bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    std::array<int, 4> FMargins{3, 4, 3, 4};
    bool FView3D = true;
    int FChart3DPercent = 15;
    TChartGradient FGradient;
    bool FAllowZoom = true;
    TPanningMode FAllowPanning = pmBoth;
    bool FAnimatedZoom = false;
    int FAnimatedZoomSteps = 8;
    Qt::CursorShape FRestingCursor = Qt::ArrowCursor;
    Qt::CursorShape FCursor = Qt::ArrowCursor;
};
