#pragma once
// Draws the segments of a polyline with a solid pen, joining consecutive segments
// that run along one column (or one row) into a single span. A curve of a million
// points over a few hundred pixels is mostly such segments; joined, it costs a few
// hundred spans. The pixels are exactly those of the segments drawn one by one: each
// segment covers its start and every pixel up to its end, so segments that chain
// along a column cover one unbroken run of it, and with one colour and a pen that
// replaces pixels the order of drawing does not matter.
#include "core/Colors.h"

class TChartCanvas3D;
class TChartPen;

class TSegmentBatch {
public:
    TSegmentBatch(TChartCanvas3D& canvas, const TChartPen& pen);
    ~TSegmentBatch() { Flush(); }
    TSegmentBatch(const TSegmentBatch&) = delete;
    TSegmentBatch& operator=(const TSegmentBatch&) = delete;

    // The segment from (x0, y0) to (x1, y1), end pixel left out, in the colour.
    void Segment(int x0, int y0, int x1, int y1, TColor color);
    // Draws the span being gathered.
    void Flush();

private:
    enum TKind { skNone, skColumn, skRow };
    void Draw(int x0, int y0, int x1, int y1, TColor color);

    TChartCanvas3D& FCanvas;
    const TChartPen& FPen;
    TKind FKind = skNone;
    int FFixed = 0;        // the column's x or the row's y
    int FLo = 0, FHi = 0;  // the pixels covered along it, both included
    TColor FColor = 0;
};
