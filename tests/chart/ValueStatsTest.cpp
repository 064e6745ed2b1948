// A series' scaled values and their statistics.
#include "chart/ValueStats.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ValueStats, SumsRoundInExtendedPrecisionBeforeEachStore)
{
    // 1 + (2^-53 + 2^-105) rounds to 1 + 2^-53 at 64 bits, a tie that the store takes to
    // 1; a sum kept in doubles would round straight up to 1 + 2^-52.
    const double tiny = 0x1.0000000000001p-53;
    const struct {
        std::vector<double> values;
        double multiplier;
        TValueStats stats;
    } cases[] = {
        {{1, tiny}, 1, {tiny, 1, 1, 1}},
        {{-1, -tiny}, 1, {-1, -tiny, -1, 1}},
        {{0.5, tiny / 2}, 2, {tiny, 1, 1, 1}},
        {{3, -7, 5}, -1, {-5, 7, -1, 15}},
        {{}, 2, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const TValueStats s = ValueStats(c.values, c.multiplier);
        EXPECT_EQ(s.Lowest, c.stats.Lowest) << c.values.size() << " values × " << c.multiplier;
        EXPECT_EQ(s.Highest, c.stats.Highest) << c.values.size() << " values × " << c.multiplier;
        EXPECT_EQ(s.Sum, c.stats.Sum) << c.values.size() << " values × " << c.multiplier;
        EXPECT_EQ(s.AbsoluteSum, c.stats.AbsoluteSum) << c.values.size() << " values × " << c.multiplier;
    }
}

TEST(ValueStats, AScaledValueBeyondTheDoublesRaisesTheOverflow)
{
    EXPECT_THROW(ScaledValue(1e300, 1e10), EOverflow);
    EXPECT_THROW(ValueStats({1, 1e300}, -1e10), EOverflow);
    EXPECT_EQ(ScaledValue(1e300, 1), 1e300);
}
