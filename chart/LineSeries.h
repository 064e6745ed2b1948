#pragma once
// Series drawn through their points: TCustomSeries adds the point markers, and
// TLineSeries draws the points as a polyline (or as steps) in their colours.
#include "chart/ChartBrush.h"
#include "chart/ChartPen.h"
#include "chart/ChartSeries.h"
#include "chart/SeriesPointer.h"

#include <QPoint>

class TAxisPixels;
class TColumnWalk;
class TSegmentBatch;

class TCustomSeries : public TChartSeries {
public:
    TCustomSeries();

    // A line keeps the first point past the right edge in its visible range, so the
    // segment that leaves the plot is drawn.
    bool DrawsOneBeyond() const override { return true; }
    TSeriesPointer& Pointer() { return FPointer; }
    const TSeriesPointer& Pointer() const { return FPointer; }
    // Whether the pixel lies within the marker of a point drawn at (cx, cy).
    bool IsPointInMarker(int cx, int cy, int x, int y) const;
    // The marker of a point at its pixel, in the colour.
    void DrawMarker(int x, int y, TColor color);

    void GetHorizMargins(int& left, int& right) const override;
    void GetVertMargins(int& top, int& bottom) const override;

protected:
    TSeriesPointer FPointer;
};

class TLineSeries : public TCustomSeries {
public:
    TLineSeries();
    ~TLineSeries() override;

    bool Stairs() const { return FStairs; }
    void SetStairs(bool value) { SetProperty(FStairs, value); }
    // With Stairs: each step goes up or down first, then across.
    bool InvertedStairs() const { return FInvertedStairs; }
    void SetInvertedStairs(bool value) { SetProperty(FInvertedStairs, value); }
    int LineHeight() const { return FLineHeight; }
    void SetLineHeight(int value) { SetProperty(FLineHeight, value); }
    TBrushStyle LineBrush() const { return FLineBrush; }
    void SetLineBrush(TBrushStyle value) { SetProperty(FLineBrush, value); }
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value) { SetProperty(FDark3D, value); }
    // Width, style and visibility of the line; its colour is each point's.
    TChartPen& LinePen() { return FLinePen; }

    void DrawAllValues() override;
    // Joins the point to the one drawn before it; the first visible point after
    // point 0 is joined from the plot's left edge, at the height of the line between them.
    void DrawValue(int index) override;
    void GetHorizMargins(int& left, int& right) const override;
    void GetVertMargins(int& top, int& bottom) const override;
    // The point at the pixel, or the first point of the segment through it; −1 when none.
    int PointAtPixel(int x, int y) const override;

private:
    void DrawSegment(int x, int y, TColor color);
    // Draws the segment to (x, y) and makes it the previous position.
    void JoinTo(int x, int y, TColor color);
    void DrawMarkers(int index, int x, int y, TColor color);
    // Whether segments can be joined into spans without changing a pixel.
    bool CanBatch() const;
    // Whether the points can be drawn a pixel column at a time, each column reduced
    // to the few points that give its pixels.
    bool CanReduceColumns() const;
    // Draws the visible points a column at a time.
    void DrawColumns();
    // Draws the points from … to − 1, which share the pixel column x; dash is the
    // length of the pen's first dash, 0 for a solid pen.
    void DrawColumn(int from, int to, int x, const TAxisPixels& rows, int dash);
    // The rows of the points from … to − 1 as a walk down their column; the longest
    // step only when wanted.
    TColumnWalk WalkOfColumn(int from, int to, const TAxisPixels& rows, bool stepsWanted) const;
    // The canvas pen and brush for a segment in the colour.
    void PrepareLinePen(TColor color);
    // Where a step from (x0, y0) to (x1, y1) turns: it goes across first, or up or down
    // first when inverted.
    QPoint StairCorner(int x0, int y0, int x1, int y1) const
    {
        return FInvertedStairs ? QPoint(x0, y1) : QPoint(x1, y0);
    }

    bool FStairs = false;
    bool FInvertedStairs = false;
    int FLineHeight = 0;
    TBrushStyle FLineBrush = bsSolid;
    bool FDark3D = true;
    TChartPen FLinePen;

    // Drawing state carried from one point to the next.
    int FPrevX = 0;
    int FPrevY = 0;
    TColor FPrevColor = 0;
    TSegmentBatch* FBatch = nullptr;
};

// Whether pixel p lies on the segment a–b: within one pixel's rounding of the line
// through them and not beyond either end.
bool PixelOnSegment(int px, int py, int ax, int ay, int bx, int by);
