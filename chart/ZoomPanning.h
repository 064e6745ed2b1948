#pragma once
// Zoom and pan of a chart under the mouse. It owns the two drags (the rubber band of
// a zoom and the drag of a pan), the axis scales saved before the first zoom, pan or
// scroll, and the wheel's turn short of a notch. A left drag down and to the right
// zooms to its rectangle, a left drag any other way returns to the saved scales, a
// right drag pans, a right click that moved nothing asks for the chart's context
// menu, and each notch of the wheel scrolls the vertical axes.
#include "chart/SavedAxisScales.h"
#include "chart/ZoomPanningRecord.h"

#include <Qt>

class TCustomChart;
class TCustomChartAxis;

class TZoomPanning {
public:
    explicit TZoomPanning(TCustomChart& chart) : FChart(chart) {}
    TZoomPanning(const TZoomPanning&) = delete;
    TZoomPanning& operator=(const TZoomPanning&) = delete;

    // The mouse in the chart's pixels, as TCustomChart describes it.
    void MouseDown(Qt::MouseButton button, int x, int y);
    void MouseMove(Qt::MouseButtons held, int x, int y);
    void MouseUp(Qt::MouseButton button, int x, int y);
    void MouseLeave();
    // A turn of the wheel in eighths of a degree, toward the user when negative.
    void MouseWheel(int eighthsOfDegree);

    // Sets every side axis to the range under the rectangle of the zoom drag.
    void ZoomToRectangle();
    // Returns the axes to the saved scales, if any, and forgets them.
    void RestoreScales();
    // Within a full redraw: the rubber band of a zoom drag in progress.
    void DrawOverlay();

    const TZoomPanningRecord& ZoomDrag() const { return FZoomDrag; }
    const TZoomPanningRecord& PanDrag() const { return FPanDrag; }
    const TSavedAxisScales& SavedAxisScales() const { return FSavedAxisScales; }
    bool ZoomedIn() const { return FZoomedIn; }

private:
    void StartDrag(Qt::MouseButton button, int x, int y);
    // Draws the rubber band, or erases it: drawing it twice leaves every pixel as it was.
    void DrawZoomRectangle();
    // Ends the zoom drag and erases its rubber band.
    void EndZoomDrag();
    void PanStep(int x, int y);
    // Moves the axis' range by the values between two of its pixels.
    void PanAxis(TCustomChartAxis& axis, int from, int to);
    // Every vertical axis by 3 % of its range, up the values for a notch down.
    void WheelNotch(bool down);
    void SaveAxisScales();

    TCustomChart& FChart;
    TZoomPanningRecord FZoomDrag;
    TZoomPanningRecord FPanDrag;
    TSavedAxisScales FSavedAxisScales;
    bool FZoomedIn = false;
    bool FContextClick = false; // a right press that may still end as a click
    // Wheel turns of less than a notch, in eighths of a degree, kept for the next turn.
    int FWheelDelta = 0;
};
