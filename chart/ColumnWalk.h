#pragma once
// The rows a polyline covers within one pixel column. Points that share a column are
// joined by vertical lines, each covering its start row and leaving out its end row;
// chained, they cover one unbroken run of rows from the lowest to the highest row
// visited, except the last point's row when the line reaches it there for the first
// time: it is covered only if the line was on it before and moved off it. So a few
// points give the same rows as any number of them: the first, the lowest and highest
// rows visited before the line settles on its last row, and the last.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>
#include <span>

class TAxisPixels;

class TColumnWalk {
public:
    explicit TColumnWalk(int first) : FFirst(first), FLast(first) {}
    // A walk from the first row to the last whose rows before the last row's final
    // run span low … high.
    TColumnWalk(int first, int last, int low, int high) : FFirst(first), FLast(last), FLow(low), FHigh(high) {}
    // The walk of the rows of the values, found from the values themselves: their
    // extremes, and where the last row's run begins. It reads each value once or
    // twice and works out a few dozen rows, however many values there are. None when
    // a value is no number. The longest step is not known.
    static std::optional<TColumnWalk> OfValues(std::span<const double> values, const TAxisPixels& rows);

    // The next point's row.
    void Add(int row)
    {
        if (row == FLast)
            return;
        FLow = std::min(FLow, FLast);
        FHigh = std::max(FHigh, FLast);
        FLongestStep = std::max(FLongestStep, std::abs(row - FLast));
        FLast = row;
    }

    int First() const { return FFirst; }
    int Last() const { return FLast; }
    // The lowest and highest rows of all points.
    int Lowest() const { return std::min(FLow, FLast); }
    int Highest() const { return std::max(FHigh, FLast); }
    // The longest line between two points in a row, in pixels.
    int LongestStep() const { return FLongestStep; }
    // The rows of a walk, from the first point's to the last's, whose lines cover the
    // same rows; at most four.
    std::span<const int> Reduced(int (&rows)[4]) const;
    // Whether any row is covered, and the covered rows low … high.
    bool Covered(int& low, int& high) const;

private:
    int FFirst;
    int FLast;
    // The rows visited before the line came to its last row, and its longest step.
    int FLow = INT_MAX;
    int FHigh = INT_MIN;
    int FLongestStep = 0;
};
