#pragma once
// The chart with its walls, title, foot and legend: it lays out the axes' room,
// the series' margins and the back wall for each paint, and hands the mouse to its
// zoom and pan (TZoomPanning): a left drag down and to the right zooms to its
// rectangle, a left drag in any other direction undoes the zooms and pans, a right
// drag pans, a right click that moves nothing asks for the chart's context menu, the
// wheel scrolls the vertical axes.
#include "chart/AxisPanel.h"
#include "chart/ChartClickedPart.h"
#include "chart/ChartLegend.h"
#include "chart/ChartTitle.h"
#include "chart/ChartWall.h"
#include "chart/ZoomPanning.h"

#include <functional>

class TCustomChart : public TCustomAxisPanel {
public:
    TCustomChart();

    TChartWall& BackWall() { return FBackWall; }
    TChartWall& LeftWall() { return FLeftWall; }
    TChartWall& BottomWall() { return FBottomWall; }
    TChartTitle& Title() { return FTitle; }
    TChartTitle& Foot() { return FFoot; }
    TChartLegend& Legend() { return FLegend; }

    // What lies under the pixel, the first found of: a point or line of an active
    // series (the last series first), a shown axis, the title, the foot, the plot
    // area while a series is active.
    TChartClickedPart ClickedPart(int x, int y) const;

    // The mouse in the chart's pixels. A press on a series, an axis or the plot area
    // starts a zoom drag (left button) or a pan drag (right button, unless AllowPanning
    // is pmNone); a press while a drag is in progress is ignored.
    void MouseDown(Qt::MouseButton button, int x, int y) { FZoomPanning.MouseDown(button, x, y); }
    // held: the buttons down during the move. A drag whose button is no longer held
    // (released where the chart did not see it) ends without zooming.
    void MouseMove(Qt::MouseButtons held, int x, int y) { FZoomPanning.MouseMove(held, x, y); }
    void MouseUp(Qt::MouseButton button, int x, int y) { FZoomPanning.MouseUp(button, x, y); }
    // Ends a pan drag and shows the resting cursor.
    void MouseLeave() { FZoomPanning.MouseLeave(); }
    // A turn of the wheel in eighths of a degree, toward the user when negative. Each
    // whole notch moves every vertical axis by 3 % of its range, up the values for a
    // notch toward the user; a turn short of a notch is kept for the next one.
    void MouseWheel(int eighthsOfDegree) { FZoomPanning.MouseWheel(eighthsOfDegree); }
    // Asked to offer the chart's context menu at the pixel: after a right press and
    // release on the chart with no pan step and no other press between them.
    std::function<void(int x, int y)> OnContextMenu;

    // Sets every side axis to the range under the rectangle of ZoomDrag.
    virtual void ApplyZoomRectangle() { FZoomPanning.ZoomToRectangle(); }
    // Returns the axes to the scales saved before the first zoom, pan or scroll.
    virtual void UndoZoom() { FZoomPanning.RestoreScales(); }
    bool ZoomedIn() const { return FZoomPanning.ZoomedIn(); }
    const TSavedAxisScales& SavedAxisScales() const { return FZoomPanning.SavedAxisScales(); }
    // The rubber band of a zoom and the drag of a pan, while the mouse drags them.
    const TZoomPanningRecord& ZoomDrag() const { return FZoomPanning.ZoomDrag(); }
    const TZoomPanningRecord& PanDrag() const { return FZoomPanning.PanDrag(); }

protected:
    void DrawTitlesAndLegend() override;
    void CalcAxesRect() override;
    void CalcSeriesMargins() override;
    void DrawWalls() override;
    int WallSize(const TCustomChartAxis& axis) const override;
    bool IsFreeSeriesColor(TColor color) const override;
    // The rubber band of a zoom drag is part of a full redraw.
    void DrawOverlay() override { FZoomPanning.DrawOverlay(); }

private:
    TChartWall FBackWall;
    TChartWall FLeftWall;
    TChartWall FBottomWall;
    TChartTitle FTitle;
    TChartTitle FFoot;
    TChartLegend FLegend;
    TZoomPanning FZoomPanning{*this};
};
