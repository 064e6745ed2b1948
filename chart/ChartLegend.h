#pragma once
// The chart's legend. Both charts of the program hide it, and a hidden legend is
// all this chart provides: a visible one takes no room and draws nothing.
#include "chart/ChartObject.h"

class TChartLegend : public TChartObject {
public:
    explicit TChartLegend(std::function<void()> onChange) : TChartObject(std::move(onChange)) {}
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Set(FVisible, value); }

private:
    bool FVisible = true;
};
