#pragma once
// Draws one axis onto a canvas: its title, its labels, and after them the axis line,
// the ticks, the grid lines across the plot and the minor ticks. Texts are placed for
// the axis' side and their angle; ticks point away from the plot.
#include "chart/ChartRect.h"
#include "core/AnsiString.h"
#include "core/Colors.h"

#include <vector>

class TChartCanvas3D;
class TChartFont;
class TChartPen;
class TCustomChartAxis;

class TAxisPainter {
public:
    // Grid lines cross the plot rectangle; texts stand on a clear brush of the background colour.
    TAxisPainter(TCustomChartAxis& axis, TChartCanvas3D& canvas, const TRect& plot, TColor background);

    // A text of one or more lines anchored at (x, y), in the canvas' font.
    void DrawText(int x, int y, const AnsiString& text, int angle);
    // The title, centred along the axis at its TitlePos; nothing without a caption.
    void DrawTitle();
    // A label at the position along the axis, at its LabelsPos.
    void DrawLabel(int pos, const AnsiString& text);
    // The axis line; ticks and grid lines at the positions of the major ticks; inner
    // ticks; minor ticks and minor grid lines between and beyond them.
    void DrawTicksAndGrid(const std::vector<int>& ticks);

private:
    // A tick across the axis from the pixel `from`, length pixels long (negative: the other way).
    void DrawTick(int pos, int from, int length);
    void DrawGridLine(int pos, const TChartPen& pen);
    void SetFont(const TChartFont& font);

    TCustomChartAxis& FAxis;
    TChartCanvas3D& FCanvas;
    TRect FPlot;
    TColor FBackground;
};
