#pragma once
// The chart's legend. Both charts of the program hide it, and a hidden legend is
// all this chart provides: a visible one takes no room and draws nothing.
#include <functional>

class TChartLegend {
public:
    explicit TChartLegend(std::function<void()> onChange) : FOnChange(std::move(onChange)) {}
    bool Visible() const { return FVisible; }
    void SetVisible(bool value)
    {
        if (value == FVisible)
            return;
        FVisible = value;
        FOnChange();
    }

private:
    std::function<void()> FOnChange;
    bool FVisible = true;
};
