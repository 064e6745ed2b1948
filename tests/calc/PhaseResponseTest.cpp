#include "calc/PhaseResponse.h"
#include "core/MathErrors.h"
#include "tests/calc/FourDecimals.h"

#include <gtest/gtest.h>

TEST(PhaseResponse, FirstDefaultRowGivesTheKnownCurveAndNegativeRcNegatesIt)
{
    const struct {
        int n;
        long long value; // in units of 0.0001 degree
    } cases[] = {{1, 705283}, {2, 389421}, {50, 16204}, {kPhasePoints, 4072}};
    for (const auto& c : cases)
        EXPECT_EQ(FourDecimals(PhaseShift(220, 1.0221, c.n)), c.value) << "n = " << c.n;
    for (int n = 1; n <= kPhasePoints; ++n)
        EXPECT_EQ(PhaseShift(-220, 1.0221, n), -PhaseShift(220, 1.0221, n)) << "n = " << n;
}

TEST(PhaseResponse, ZeroResistanceOrCapacitanceDividesByZero)
{
    EXPECT_THROW(PhaseShift(0, 1.0221, 1), EZeroDivide);
    EXPECT_THROW(PhaseShift(220, -0.0, kPhasePoints), EZeroDivide);
}
