// The mapping between an axis' values and its pixels, without a chart, and the same
// mapping computed quickly for long runs of values.
#include "chart/AxisMapping.h"
#include "chart/AxisPixels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

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

TEST(AxisPixels, ManyValuesLandOnTheMappingsOwnPixelsEvenWithinRoundingOfAHalf)
{
    std::mt19937_64 random(11);
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        bool horizontal, inverted;
        int base, size;
        double low, high;
    } mappings[] = {
        {true, false, 50, 300, 0, 198},
        {true, true, 12, 373, 1.0 / 3, 899990},
        {false, false, 17, 368, -0.0123, 7.77e-3},
        {false, true, 0, 3, 0, 6},
        {false, false, 5, 400, 1e-300, 3e-300},
        {true, false, 0, 200, -1e12, 1e12 + 0.5},
        {true, false, 40, 300, 7, 7}, // every value in the middle
    };
    for (const auto& m : mappings) {
        TAxisMapping mapping = Mapping(m.horizontal, m.base, m.size, m.low, m.high);
        mapping.Inverted = m.inverted;
        const TAxisPixels pixels(mapping);
        std::vector<double> values{0, -0.0, inf, -inf, std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300,
                                   m.low, m.high, std::nextafter(m.high, inf)};
        // Values whose pixel offset lies at or within a few units in the last place of a half.
        for (int k = -3; k <= m.size + 3; ++k) {
            double half = m.low + (k + 0.5) * ((m.high - m.low) / m.size);
            for (int ulp = 0; ulp < 6; ++ulp, half = std::nextafter(half, -inf))
                values.push_back(half);
        }
        std::uniform_real_distribution<double> across(m.low - (m.high - m.low), m.high + (m.high - m.low));
        for (int i = 0; i < 20000; ++i)
            values.push_back(across(random));
        int differ = 0;
        for (const double v : values)
            differ += pixels.PosClamped(v) != mapping.ValueToPosClamped(v);
        EXPECT_EQ(differ, 0) << m.low << " … " << m.high;
    }
}
