// The mapping between an axis' values and its pixels, without a chart.
#include "chart/AxisMapping.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TAxisMapping Mapping(bool horizontal, int base, int size, double low, double high)
{
    TAxisMapping mapping{.Horizontal = horizontal, .RangeMin = low, .RangeMax = high};
    mapping.Place(base, size, 0, 100);
    return mapping;
}

} // namespace

TEST(AxisMapping, ValuesMapToPixelsAndBackAlongEitherDirection)
{
    TAxisMapping bottom = Mapping(true, 50, 300, 0, 198);
    EXPECT_EQ(bottom.Start, 50);
    EXPECT_EQ(bottom.End, 350);
    EXPECT_EQ(bottom.ValueToPos(99), 200);
    EXPECT_EQ(bottom.PosToValue(200), 99);
    const TAxisMapping left = Mapping(false, 10, 300, 0, 90);
    EXPECT_EQ(left.ValueToPos(45), 160);
    EXPECT_EQ(left.ValueToPos(90), 10);
    EXPECT_EQ(left.PosToValue(10), 90);
    // Halves go to the even pixel: 0.5 and 1.5 of a pixel per unit.
    const TAxisMapping halves = Mapping(true, 0, 3, 0, 6);
    EXPECT_EQ(halves.ValueToPos(1), 0);
    EXPECT_EQ(halves.ValueToPos(3), 2);

    bottom.Inverted = true;
    EXPECT_EQ(bottom.ValueToPos(0), 350);
    EXPECT_EQ(bottom.PosToValue(50), 198);
    // Far off the axis, and with nothing to map, a value lands in the middle.
    EXPECT_EQ(bottom.ValueToPos(1e300), 200);
    EXPECT_EQ(bottom.ValueToPos(std::numeric_limits<double>::quiet_NaN()), 200);
    EXPECT_EQ(Mapping(true, 50, 300, 7, 7).ValueToPos(123), 200);
    EXPECT_EQ(Mapping(true, 50, 0, 0, 10).PosToValue(50), 0);
}

TEST(AxisMapping, ClampedAValueTooFarForAPixelLiesFarBeyondTheEndOnItsSide)
{
    const TAxisMapping bottom = Mapping(true, 50, 300, 0, 198);
    EXPECT_EQ(bottom.ValueToPosClamped(99), 200);
    EXPECT_GT(bottom.ValueToPosClamped(1e300), 1 << 29);
    EXPECT_LT(bottom.ValueToPosClamped(-1e300), -(1 << 29));
    const TAxisMapping left = Mapping(false, 10, 300, 0, 90);
    EXPECT_LT(left.ValueToPosClamped(1e300), -(1 << 29)); // high values at the top
    EXPECT_EQ(Mapping(true, 50, 300, 7, 7).ValueToPosClamped(1e300), 200);
}

TEST(AxisMapping, ThePlaceIsAShareOfThePlotRoundedToTheEvenPixel)
{
    TAxisMapping mapping;
    mapping.Place(100, 200, 10, 90);
    EXPECT_EQ(mapping.Start, 120);
    EXPECT_EQ(mapping.End, 280);
    EXPECT_EQ(mapping.Center(), 200);
    mapping.Place(0, 5, 10, 50); // 0.5 and 2.5 pixels
    EXPECT_EQ(mapping.Start, 0);
    EXPECT_EQ(mapping.End, 2);
    mapping.Place(-5, 0, 0, 100);
    EXPECT_EQ(mapping.Center(), -5);
}

TEST(AxisMapping, MarginsWidenTheRangeLowEndFirstUnlessTheAxisHasNoRoomForThem)
{
    for (const bool horizontal : {true, false}) {
        const auto widened = Mapping(horizontal, 0, 100, 0, 100).RangeWithMargins(10, 10);
        ASSERT_TRUE(widened.has_value());
        EXPECT_DOUBLE_EQ(widened->first, -12.5) << horizontal;
        EXPECT_DOUBLE_EQ(widened->second, 112.5) << horizontal;
    }
    EXPECT_FALSE(Mapping(true, 0, 100, 0, 100).RangeWithMargins(60, 40).has_value());
    const auto same = Mapping(true, 0, 100, 3, 9).RangeWithMargins(0, 0);
    EXPECT_EQ(*same, std::pair(3.0, 9.0));
}
