// The mouse over a chart: the zoom drag with its rubber band, the pan drag, the
// right click, the wheel, and the cursor.
#include "chart/ZoomPanning.h"

#include "chart/CustomChart.h"
#include "platform/SystemColors.h"

#include <cstdlib>

namespace {

constexpr Qt::MouseButton kZoomMouseButton = Qt::LeftButton;
constexpr Qt::MouseButton kPanningMouseButton = Qt::RightButton;
// A rubber band this many pixels wide or high, or less, changes nothing.
constexpr int kZoomMinimumDrag = 16;
// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

} // namespace

void TZoomPanning::MouseDown(Qt::MouseButton button, int x, int y)
{
    // Another press while the right button is down makes the right press no click.
    FContextClick = button == kPanningMouseButton && !FZoomDrag.Active && !FPanDrag.Active;
    if (FZoomDrag.Active || FPanDrag.Active)
        return;
    const TChartClickedPartStyle part = FChart.ClickedPart(x, y).Part;
    if (part == cpAxis || part == cpSeries || part == cpChartRect)
        StartDrag(button, x, y);
}

void TZoomPanning::StartDrag(Qt::MouseButton button, int x, int y)
{
    if (FChart.AllowZoom() && button == kZoomMouseButton) {
        FChart.ShowCursor(Qt::ArrowCursor);
        FZoomDrag.Activate(x, y);
        DrawZoomRectangle();
    }
    if (FChart.AllowPanning() != pmNone && button == kPanningMouseButton) {
        FChart.ShowCursor(Qt::ArrowCursor);
        FPanDrag.Activate(x, y);
    }
}

void TZoomPanning::MouseMove(Qt::MouseButtons held, int x, int y)
{
    if (FZoomDrag.Active && !(held & kZoomMouseButton))
        EndZoomDrag();
    if (!(held & kPanningMouseButton)) {
        FPanDrag.Active = false;
        FContextClick = false;
    }

    if (FZoomDrag.Active) {
        if (x == FZoomDrag.X1 && y == FZoomDrag.Y1)
            return;
        DrawZoomRectangle();
        FZoomDrag.X1 = x;
        FZoomDrag.Y1 = y;
        DrawZoomRectangle();
    } else if (FPanDrag.Active) {
        // Leaving the plot ends the pan; panning further takes a new press.
        if (!FChart.PlotRect().Contains(x, y))
            FPanDrag.Active = false;
        else
            PanStep(x, y);
    } else {
        for (TChartSeries* series : FChart.SeriesList()) {
            if (series->Active() && series->Cursor() && series->PointAtPixel(x, y) != -1) {
                FChart.ShowCursor(*series->Cursor());
                return;
            }
        }
        FChart.ShowCursor(FChart.RestingCursor());
    }
}

void TZoomPanning::MouseUp(Qt::MouseButton button, int x, int y)
{
    const bool dragging = FZoomDrag.Active || FPanDrag.Active;
    // A release off the chart is no click on it.
    const bool contextClick = button == kPanningMouseButton && FContextClick && x >= 0 && y >= 0
                              && x < FChart.Width() && y < FChart.Height();
    if (button == kPanningMouseButton)
        FContextClick = false;
    if (FZoomDrag.Active && button == kZoomMouseButton) {
        EndZoomDrag();
        FZoomDrag.X1 = x;
        FZoomDrag.Y1 = y;
        const int dx = FZoomDrag.X1 - FZoomDrag.X0;
        const int dy = FZoomDrag.Y1 - FZoomDrag.Y0;
        if (std::abs(dx) > kZoomMinimumDrag && std::abs(dy) > kZoomMinimumDrag) {
            if (dx > 0 && dy > 0)
                FChart.ApplyZoomRectangle();
            else
                FChart.UndoZoom();
            FChart.Invalidate();
        }
    }
    FPanDrag.Active = false;
    if (dragging && !FZoomDrag.Active)
        FChart.ShowCursor(FChart.RestingCursor());
    if (contextClick && FChart.OnContextMenu)
        FChart.OnContextMenu(x, y);
}

void TZoomPanning::MouseLeave()
{
    FChart.ShowCursor(FChart.RestingCursor());
    FPanDrag.Active = false;
}

void TZoomPanning::MouseWheel(int eighthsOfDegree)
{
    // A touchpad turns in small steps: the chart acts once per whole notch.
    // Turning away from the user is a notch up.
    FWheelDelta += eighthsOfDegree;
    const int notches = FWheelDelta / kWheelNotch;
    FWheelDelta %= kWheelNotch;
    for (int i = 0; i < std::abs(notches); ++i)
        WheelNotch(notches < 0);
}

void TZoomPanning::EndZoomDrag()
{
    FZoomDrag.Active = false;
    DrawZoomRectangle();
    FChart.Canvas().Pen().Mode = pmCopy;
}

void TZoomPanning::DrawZoomRectangle()
{
    TChartCanvas3D& canvas = FChart.Canvas();
    const auto draw = [&] {
        // Not-xor with the panel's colour shows white over the panel and the colour
        // over white; over a white panel black takes its place.
        const TColor panel = ToTColor(ToQColor(FChart.Color()));
        canvas.Pen() = TCanvasPen{panel == clWhite ? clBlack : panel, pmNotXor, psSolid, 1};
        canvas.ClearBrush();
        canvas.FrameRect(FZoomDrag.X0, FZoomDrag.Y0, FZoomDrag.X1, FZoomDrag.Y1);
    };
    // Within a full redraw the band is part of the picture. Between redraws it is
    // drawn over the current picture, which the window then shows as it is; over a
    // stale picture the redraw to come draws it.
    if (canvas.Drawing())
        draw();
    else if (canvas.DrawOverPicture(draw) && FChart.Host())
        FChart.Host()->RequestPaint();
}

void TZoomPanning::DrawOverlay()
{
    if (FZoomDrag.Active)
        DrawZoomRectangle();
}
