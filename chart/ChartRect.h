#pragma once
// A rectangle as the chart's rules give it: left, top, right, bottom, with the right
// and bottom edges exclusive when it is filled, so its width is right − left.
#include <QRect>

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
    // Whether the point lies inside, the left and top edges included, the right and bottom excluded.
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    QRect ToQRect() const { return QRect(QPoint(Left, Top), QPoint(Right - 1, Bottom - 1)); }
};

// The overlap of two rectangles, or nothing when they do not overlap.
inline bool Intersect(const TRect& a, const TRect& b, TRect& result)
{
    const TRect r{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
                  a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
    if (r.Left >= r.Right || r.Top >= r.Bottom)
        return false;
    result = r;
    return true;
}
