// The step between value labels, from the range, the axis' length and the room the
// labels take.
#include "chart/AxisLabelStep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

namespace {

// Labels as wide as the table says for their value.
class TTableMeasure : public TLabelMeasure {
public:
    explicit TTableMeasure(std::map<double, int> sizes) : FSizes(std::move(sizes)) {}
    int LabelSize(double value) override { return FSizes.at(value); }

private:
    std::map<double, int> FSizes;
};

} // namespace

TEST(AxisLabelStep, TheStepIsTheFirstOfTheOneTwoFiveSequenceThatLeavesRoom)
{
    const struct {
        double range;
        int room;
        double increment;
        int separation;
        double step;
    } cases[] = {
        {3.7, 20, 0, 10, 1},      // never below 1 for a range of 1 or more
        {0.37, 20, 0, 10, 0.02},  // up from 1e-12
        {75, 20, 0, 10, 5},
        {75, 10, 0, 10, 10},
        {249, 8, 0, 10, 50},
        {75, 20, 3, 10, 5},       // 25 labels of 3 do not fit
        {75, 20, 3, 0, 3},        // without separation the start stays
        {0.37, 2, 0, 0, 1e-12},
        {75, 0, 0, 10, 1e-12},    // no room at all
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(StepForLabelCount({c.increment, c.separation}, c.range, c.room), c.step)
            << c.range << " in " << c.room;
    EXPECT_EQ(NextLabelStep(1), 2);
    EXPECT_EQ(NextLabelStep(2), 5);
    EXPECT_EQ(NextLabelStep(5), 10);
    EXPECT_EQ(NextLabelStep(10), 20);
    EXPECT_DOUBLE_EQ(NextLabelStep(0.3), 0.5);
    EXPECT_EQ(NextLabelStep(7), 10);

    // A range past every finite step ends the search instead of growing for ever.
    EXPECT_FALSE(std::isfinite(StepForLabelCount({}, std::numeric_limits<double>::infinity(), 10)));
}

TEST(AxisLabelStep, TheRoomForLabelsIsTheAxisLengthOverTheWiderEndLabelAndItsSeparation)
{
    const struct {
        int highSize, lowSize, length, separation;
        double step;
    } cases[] = {
        {30, 10, 330, 10, 10}, // 33 pixels a label: room for 10 of 0 … 75
        {10, 30, 330, 10, 10}, // the wider end counts
        {10, 10, 330, 10, 5},  // 11 pixels a label: room for 30
        {30, 30, 700, 10, 5},  // room for 21
        {30, 30, 330, 50, 20}, // 45 pixels a label: room for 7
        {0, 0, 330, 10, 100},  // labels of no size: room for one
    };
    for (const auto& c : cases) {
        TTableMeasure measure({{0, c.lowSize}, {75, c.highSize}});
        EXPECT_DOUBLE_EQ(LabelStep({0, c.separation}, 0, 75, c.length, measure), c.step)
            << c.highSize << "/" << c.lowSize << " on " << c.length;
    }
}
