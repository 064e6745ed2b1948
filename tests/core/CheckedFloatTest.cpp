#include "core/CheckedFloat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {
// Runtime values, so the compiler cannot fold the faulting operations away.
volatile long double vZero = 0.0L;
volatile long double vOne = 1.0L;
volatile long double vHuge = LDBL_MAX;
} // namespace

TEST(CheckedFloat, RaisesTheErrorTheComputationFlagged)
{
    EXPECT_THROW(CheckedEval([] { return vOne / vZero; }), EZeroDivide);
    EXPECT_THROW(CheckedEval([] { return vZero / vZero; }), EInvalidOp);
    EXPECT_THROW(CheckedEval([] { return std::sqrt(-vOne); }), EInvalidOp);
    EXPECT_THROW(CheckedEval([] { return vHuge * 2.0L; }), EOverflow);
    EXPECT_THROW(CheckedEval([] { return std::log10(vZero); }), EZeroDivide);
}

TEST(CheckedFloat, UnderflowAndInexactPassAndTheCallersFlagsAreRestored)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile long double tiny = LDBL_MIN;
    EXPECT_EQ(CheckedEval([&] { return tiny * tiny; }), 0.0L);
    EXPECT_NEAR(CheckedEval([] { return vOne / 3.0L; }), 1.0L / 3, 1e-18L);

    volatile long double r = vOne / vZero; // flagged outside any scope
    (void)r;
    EXPECT_NO_THROW(CheckedEval([] { return vOne + vOne; }));
    EXPECT_TRUE(std::fetestexcept(FE_DIVBYZERO)) << "the caller's flag must survive";
    std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(CheckedFloat, StoreDoubleRaisesOverflowOnlyForFiniteValuesBeyondTheDoubleRange)
{
    EXPECT_EQ(StoreDouble(1.5L), 1.5);
    EXPECT_EQ(StoreDouble(static_cast<long double>(DBL_MAX)), DBL_MAX);
    EXPECT_THROW(StoreDouble(1e309L), EOverflow);
    EXPECT_THROW(StoreDouble(-1e309L), EOverflow);
    EXPECT_TRUE(std::isinf(StoreDouble(HUGE_VALL)));
    EXPECT_TRUE(std::isnan(StoreDouble(NAN)));
    EXPECT_EQ(StoreDouble(1e-400L), 0.0);
}

TEST(CheckedFloat, RoundToInt64RoundsHalfToEvenWithinTheRange)
{
    const struct {
        long double value;
        std::int64_t expected;
    } cases[] = {
        {0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {-0.5L, 0}, {-1.5L, -2},
        {248.9999999999992L, 249}, {-9223372036854775808.0L, INT64_MIN},
        {9223372036854775807.0L, INT64_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundToInt64(c.value), c.expected) << static_cast<double>(c.value);
    EXPECT_THROW(RoundToInt64(9223372036854775808.0L), EInvalidOp);
    EXPECT_THROW(RoundToInt64(-9223372036854775809.0L), EInvalidOp);
    EXPECT_THROW(RoundToInt64(NAN), EInvalidOp);
    EXPECT_THROW(RoundToInt64(HUGE_VALL), EInvalidOp);
}
