// Which number labels an axis has, their texts, and which point labels stay.
#include "chart/AxisLabelValues.h"

#include <gtest/gtest.h>

#include <vector>

TEST(AxisLabelValues, NumberLabelsRunFromTheTopOfTheRangeDownByTheStep)
{
    using V = std::vector<double>;
    const struct {
        double low, high, step;
        bool roundFirst;
        V values;
    } cases[] = {
        {0, 10, 2, true, V{10, 8, 6, 4, 2, 0}},
        {0.5, 9.5, 2, true, V{8, 6, 4, 2}},            // from the top's multiple of the step
        {0.5, 9.5, 2, false, V{9.5, 7.5, 5.5, 3.5, 1.5}}, // from the top itself
        {-7.5, -1, 2, true, V{-2, -4, -6}},            // rounded toward zero, then below the top
        {1e300, 1e300, 1e-12, true, V{1e300}},          // a range of size 0 has its one value
        {0, 0, 1e-12, true, V{0}},
        {0, 1e6, 1, true, V{}},                         // more than 10000 labels: none
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValueLabelValues(c.low, c.high, c.step, c.roundFirst), c.values) << c.low << " … " << c.high;
    EXPECT_EQ(ValueLabelValues(0, 9999, 1, true).size(), 10000u);
    EXPECT_EQ(RoundedToStep(-7.5, 2), -6);
    EXPECT_EQ(RoundedToStep(9.5, 2), 8);
}

TEST(AxisLabelValues, TheTextIsTheFormattedNumberAsTheHookLeavesItWithALinePerWordIfAsked)
{
    const auto kilograms = [](AnsiString& text) { text += " kg"; };
    EXPECT_EQ(ValueLabelText("#,##0", false, 1234567), "1,234,567");
    EXPECT_EQ(ValueLabelText("0", false, 5, kilograms), "5 kg");
    EXPECT_EQ(ValueLabelText("0", true, 5, kilograms), "5\rkg");
}

TEST(AxisLabelValues, APointLabelStaysOnlyOutsideTheRoomOfTheOneDrawnBeforeIt)
{
    // Labels 18 pixels wide, separation 10 %: the first claims 9 pixels on either side,
    // each later one 10.
    const struct {
        int pos;
        bool stays;
    } steps[] = {{0, true}, {18, false}, {19, true}, {38, false}, {39, true}, {20, false}, {19, true}};
    TLabelThinning thinning(10);
    EXPECT_TRUE(thinning.Empty());
    for (const auto& s : steps)
        EXPECT_EQ(thinning.Take(s.pos, 18), s.stays) << s.pos;
    EXPECT_EQ(thinning.FreeFrom(), 29);

    TLabelThinning overlapping(0);
    for (const int pos : {0, 1, 1, -5})
        EXPECT_TRUE(overlapping.Take(pos, 18));
}
