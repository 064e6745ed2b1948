#pragma once
// The scales of the top, left, right and bottom axes as they were before the first
// zoom, pan or wheel scroll. Later ones do not replace them, so an undo returns to
// the scales in force before the first.
#include <array>

struct TSavedAxisScale {
    bool Automatic = true;
    bool AutomaticMaximum = true;
    bool AutomaticMinimum = true;
    double Minimum = 0;
    double Maximum = 0;
};

struct TSavedAxisScales {
    // Top, left, right, bottom.
    std::array<TSavedAxisScale, 4> Axes;
    bool Present = false;
};
