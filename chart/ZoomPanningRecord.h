#pragma once
// The state of one mouse drag over a chart: where it started, where it has got to,
// and whether it is in progress. A chart keeps one for zooming (the rubber band)
// and one for panning.
#include <utility>

struct TZoomPanningRecord {
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;
    bool Active = false;

    void Activate(int x, int y)
    {
        X0 = X1 = x;
        Y0 = Y1 = y;
        Active = true;
    }
    // Makes (X0, Y0) the top-left corner and (X1, Y1) the bottom-right one.
    void Order()
    {
        if (X1 < X0)
            std::swap(X0, X1);
        if (Y1 < Y0)
            std::swap(Y0, Y1);
    }
};
