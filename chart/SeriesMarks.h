#pragma once
// The settings of a series' value call-outs. The window hides them; drawing them
// is not part of this system.
class TChartSeries;

class TSeriesMarks {
public:
    explicit TSeriesMarks(TChartSeries& owner) : FOwner(owner) {}
    TSeriesMarks(const TSeriesMarks&) = delete;
    TSeriesMarks& operator=(const TSeriesMarks&) = delete;

    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    int ArrowLength() const { return FArrowLength; }
    void SetArrowLength(int value);

private:
    TChartSeries& FOwner;
    bool FVisible = true;
    int FArrowLength = 8;
};
