#pragma once
// Which labels an axis shows: the values of its number labels at a step, their texts,
// and which of the series' point labels stay when they would collide.
#include "core/AnsiString.h"

#include <functional>
#include <vector>

// Value labels beyond this many to the range are not drawn at all.
constexpr double kMaxValueLabels = 10000;

// The largest whole multiple of the step toward zero from the value.
double RoundedToStep(double value, double step);

// The values of the number labels from the top of the range down: from the top itself,
// or with roundFirst from its largest whole multiple of the step, each a step below
// the one before, down to the range's low end. A range of size 0 has its one value;
// one with more than kMaxValueLabels steps has none.
std::vector<double> ValueLabelValues(double rangeMin, double rangeMax, double step, bool roundFirst);

// The text of a number label: the value in the format picture, then as the hook leaves
// it; with multiLine every blank starts a new line.
AnsiString ValueLabelText(const AnsiString& format, bool multiLine, double value,
                          const std::function<void(AnsiString& text)>& hook = {});

// Drops the point labels that would collide: each drawn label claims half its size
// on either side, plus LabelsSeparation percent of its size after the first, and a
// label reaching into the room of the one drawn before it is dropped. Without
// separation every label stays.
class TLabelThinning {
public:
    explicit TLabelThinning(int separation) : FSeparation(separation) {}

    // Whether a label of the size at the position stays; if so, it is the last drawn.
    bool Take(int pos, int size);
    // No label drawn yet.
    bool Empty() const { return FPrev == -1; }
    // The first position right of the last drawn label at which another may stand.
    int FreeFrom() const { return FPrev + FPrevHalf; }

private:
    // Half the size plus the separation, kept for the last size asked: labels come
    // mostly in runs of one size.
    int SpacedHalf(int size);

    int FSeparation;
    int FPrev = -1;
    int FPrevHalf = 0;
    int FSpacedSize = -1;
    int FSpacedHalf = 0;
};
