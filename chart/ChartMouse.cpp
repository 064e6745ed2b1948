// The mouse over a chart: what lies under it, the zoom drag with its rubber band,
// the pan drag, and the cursor.
#include "chart/CustomChart.h"

#include "platform/SystemColors.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr Qt::MouseButton kZoomMouseButton = Qt::LeftButton;
constexpr Qt::MouseButton kPanningMouseButton = Qt::RightButton;
// A rubber band this many pixels wide or high, or less, changes nothing.
constexpr int kZoomMinimumDrag = 16;

} // namespace

TChartClickedPart TCustomChart::ClickedPart(int x, int y) const
{
    const std::vector<TChartSeries*>& series = SeriesList();
    for (auto s = series.rbegin(); s != series.rend(); ++s) {
        if (!(*s)->Active())
            continue;
        const int index = (*s)->PointAtPixel(x, y);
        if (index != -1)
            return {cpSeries, *s, index, nullptr};
    }
    for (TCustomChartAxis* axis : AxesList())
        if (axis->AxisHitTest(x, y))
            return {cpAxis, nullptr, -1, axis};
    if (FTitle.Visible() && FTitle.TitleRect().Contains(x, y))
        return {cpTitle};
    if (FFoot.Visible() && FFoot.TitleRect().Contains(x, y))
        return {cpFoot};
    if (PlotRect().Contains(x, y) && std::any_of(series.begin(), series.end(), [](const TChartSeries* s) { return s->Active(); }))
        return {cpChartRect};
    // The legend draws nothing, so nothing lies on it.
    return {};
}

void TCustomChart::MouseDown(Qt::MouseButton button, int x, int y)
{
    // Another press while the right button is down makes the right press no click.
    FContextClick = button == kPanningMouseButton && !FZoomDrag.Active && !FPanDrag.Active;
    if (FZoomDrag.Active || FPanDrag.Active)
        return;
    const TChartClickedPartStyle part = ClickedPart(x, y).Part;
    if (part == cpAxis || part == cpSeries || part == cpChartRect)
        StartDrag(button, x, y);
}

void TCustomChart::StartDrag(Qt::MouseButton button, int x, int y)
{
    if (AllowZoom() && button == kZoomMouseButton) {
        ShowCursor(Qt::ArrowCursor);
        FZoomDrag.Activate(x, y);
        DrawZoomRectangle();
    }
    if (AllowPanning() != pmNone && button == kPanningMouseButton) {
        ShowCursor(Qt::ArrowCursor);
        FPanDrag.Activate(x, y);
    }
}

void TCustomChart::MouseMove(Qt::MouseButtons held, int x, int y)
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
        if (!PlotRect().Contains(x, y))
            FPanDrag.Active = false;
        else
            PanStep(x, y);
    } else {
        for (TChartSeries* series : SeriesList()) {
            if (series->Active() && series->Cursor() && series->PointAtPixel(x, y) != -1) {
                ShowCursor(*series->Cursor());
                return;
            }
        }
        ShowCursor(RestingCursor());
    }
}

void TCustomChart::MouseUp(Qt::MouseButton button, int x, int y)
{
    const bool dragging = FZoomDrag.Active || FPanDrag.Active;
    // A release off the chart is no click on it.
    const bool contextClick = button == kPanningMouseButton && FContextClick && x >= 0 && y >= 0 && x < Width()
                              && y < Height();
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
                ApplyZoomRectangle();
            else
                UndoZoom();
            Invalidate();
        }
    }
    FPanDrag.Active = false;
    if (dragging && !FZoomDrag.Active)
        ShowCursor(RestingCursor());
    if (contextClick && OnContextMenu)
        OnContextMenu(x, y);
}

void TCustomChart::MouseLeave()
{
    ShowCursor(RestingCursor());
    FPanDrag.Active = false;
}

void TCustomChart::EndZoomDrag()
{
    FZoomDrag.Active = false;
    DrawZoomRectangle();
    Canvas().Pen().Mode = pmCopy;
}

void TCustomChart::DrawZoomRectangle()
{
    TChartCanvas3D& canvas = Canvas();
    const auto draw = [&] {
        // Not-xor with the panel's colour shows white over the panel and the colour
        // over white; over a white panel black takes its place.
        const TColor panel = ToTColor(ToQColor(Color()));
        canvas.Pen() = TCanvasPen{panel == clWhite ? clBlack : panel, pmNotXor, psSolid, 1};
        canvas.ClearBrush();
        canvas.FrameRect(FZoomDrag.X0, FZoomDrag.Y0, FZoomDrag.X1, FZoomDrag.Y1);
    };
    // Within a full redraw the band is part of the picture. Between redraws it is
    // drawn over the current picture, which the window then shows as it is; over a
    // stale picture the redraw to come draws it.
    if (canvas.Drawing())
        draw();
    else if (canvas.DrawOverPicture(draw) && Host())
        Host()->RequestPaint();
}

void TCustomChart::DrawOverlay()
{
    if (FZoomDrag.Active)
        DrawZoomRectangle();
}
