#pragma once
// Which pixels a one-pixel line covers, as the platform draws it: every pixel from
// the start up to, but not including, the end pixel, one per step along the longer
// direction, the other coordinate rounded from the exact line (halves down-right).
// The pixels come as runs that share a row (or a column), with the index of their
// first step, so that dashed pens can cut them by the pattern.
#include <span>

struct TPixelRun {
    int Left, Top, Right, Bottom; // right and bottom exclusive
    int FirstStep;                // index of the run's first pixel along the line
    int Steps;                    // pixels in the run
    bool Horizontal;              // the run lies along a row
};

// Calls report(run) for each run of the line from (x0, y0) to (x1, y1), end left out,
// within the bounds (left, top, right, bottom; right and bottom exclusive): pixels
// outside them are skipped without being visited, so a line that reaches far off
// the picture costs no more than its visible part.
template <class Emit>
void ForEachLineRun(int x0, int y0, int x1, int y1, const int (&bounds)[4], Emit&& report);

// The on and off lengths of a dashed pen, starting with a dash at the line's start.
std::span<const int> DashPattern(int style, bool smallDots);

// Calls report(firstStep, steps) for each dash of the pattern within steps [first, first + count).
template <class Emit>
void ForEachDash(std::span<const int> pattern, int first, int count, Emit&& report);

#include "chart/LineRaster.inl"
