#include "core/CheckedFloat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {
const TExtended kZero = 0;
const TExtended kOne = 1;
} // namespace

TEST(CheckedFloat, RaisesTheErrorTheComputationFlagged)
{
    EXPECT_THROW(CheckedEval([] { return kOne / kZero; }), EZeroDivide);
    EXPECT_THROW(CheckedEval([] { return kZero / kZero; }), EInvalidOp);
    EXPECT_THROW(CheckedEval([] { return Sqrt(-kOne); }), EInvalidOp);
    EXPECT_THROW(CheckedEval([] { return kExtendedMax * 2; }), EOverflow);
    EXPECT_THROW(CheckedEval([] { return Log10(kZero); }), EZeroDivide);
}

TEST(CheckedFloat, UnderflowAndInexactPassAndTheCallersFlagsAreRestored)
{
    TExtendedFlagsHold outer; // the test's own flags, given back at its end
    const TExtended tiny = TExtended::FromBits(MakeExtendedBits(false, 1, kIntegerBit)); // the smallest normal
    EXPECT_EQ(CheckedEval([&] { return tiny * tiny; }), kZero);
    EXPECT_EQ(CheckedEval([] { return kOne / 3; }), TExtended(1) / 3);

    (kOne / kZero).Settled(); // flagged outside any scope
    EXPECT_NO_THROW(CheckedEval([] { return kOne + kOne; }));
    EXPECT_TRUE(ExtendedFlags() & efZeroDivide) << "the caller's flag must survive";
}

TEST(CheckedFloat, StoreDoubleRaisesOverflowOnlyForFiniteValuesBeyondTheDoubleRange)
{
    EXPECT_EQ(StoreDouble(TExtended(1.5)), 1.5);
    EXPECT_EQ(StoreDouble(TExtended(DBL_MAX)), DBL_MAX);
    EXPECT_THROW(StoreDouble(TExtended(DBL_MAX) * 2), EOverflow);
    EXPECT_THROW(StoreDouble(TExtended(-DBL_MAX) * 2), EOverflow);
    EXPECT_TRUE(std::isinf(StoreDouble(TExtended(HUGE_VAL))));
    EXPECT_TRUE(std::isnan(StoreDouble(TExtended(NAN))));
    EXPECT_EQ(StoreDouble(TExtended(1e-200) * 1e-200), 0.0);
}

TEST(CheckedFloat, RoundToInt64RoundsHalfToEvenWithinTheRange)
{
    const struct {
        TExtended value;
        std::int64_t expected;
    } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2},
        {248.9999999999992, 249}, {INT64_MIN, INT64_MIN},
        {INT64_MAX, INT64_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundToInt64(c.value), c.expected) << c.value.ToDouble();
    EXPECT_THROW(RoundToInt64(TExtended(0x1p63)), EInvalidOp);
    EXPECT_THROW(RoundToInt64(TExtended(INT64_MIN) - 1), EInvalidOp);
    EXPECT_THROW(RoundToInt64(TExtended(NAN)), EInvalidOp);
    EXPECT_THROW(RoundToInt64(TExtended(HUGE_VAL)), EInvalidOp);
}
