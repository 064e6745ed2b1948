#pragma once
// Window layouts are stored at 120 pixels per inch and scaled to the screen's
// resolution when a window is created.
#include <QRect>

constexpr int kDesignPixelsPerInch = 120;

// The screen's logical resolution (read once from the primary screen; 96 when there is none).
int ScreenPixelsPerInch();
// Replaces the screen resolution, for rendering at a chosen size.
void SetScreenPixelsPerInch(int ppi);

// A design-time length in screen pixels, rounded to nearest.
int Scaled(int designPixels);
QRect Scaled(const QRect& designRect);
