#pragma once
// The step between an axis' value labels: as small as the 1-2-5 sequence allows
// while the labels keep their room along the axis.

// How much room the label of a value takes along the axis, in pixels.
class TLabelMeasure {
public:
    virtual int LabelSize(double value) = 0;

protected:
    ~TLabelMeasure() = default;
};

// What an axis asks of its step: at least Increment (0: the axis chooses), and
// LabelsSeparation percent of a label's size between labels (0: the step stays at
// its start, 1, 1e-12 or Increment).
struct TStepRule {
    double Increment = 0;
    int LabelsSeparation = 10;
};

// The step for the range on an axis of the length, from the room the labels of the
// range's two ends take.
double LabelStep(const TStepRule& rule, double rangeMin, double rangeMax, int axisLength, TLabelMeasure& measure);
// The smallest step of the 1-2-5 sequence (or Increment raised along it) that leaves
// at most maxCount labels on a range of the size; never below 1e-12.
double StepForLabelCount(const TStepRule& rule, double rangeSize, int maxCount);
// The next step of the 1-2-5 sequence above x (0.3 → 0.5, 10 → 20), for x > 0.
double NextLabelStep(double x);
