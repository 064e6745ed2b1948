#include "calc/CapacitorSweep.h"
#include "calc/TooManyRows.h"
#include "core/MathErrors.h"
#include "tests/calc/FourDecimals.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

TEST(CapacitorSweep, DefaultInputsGiveTheKnownTable)
{
    const TSweepInputs defaults{220, 50, 0.0001, 1.0001, 1.025};
    EXPECT_EQ(SweepProgressMax(defaults.From, defaults.To, defaults.Step), 249);
    const auto rows = CalcSweepRows(defaults);
    ASSERT_EQ(rows.size(), 250u);

    EXPECT_EQ(rows.front().Mn, 1.0001);
    EXPECT_EQ(FourDecimals(rows.front().Attenuation), 9);
    EXPECT_NEAR(rows.front().Capacitance, 1.0220651597, 5e-11);
    // Accumulated steps leave the last Мн just below To, so it is still listed.
    EXPECT_EQ(rows.back().Mn, 0x1.066666666665ap+0); // 1.0249999999999972…
    EXPECT_EQ(FourDecimals(rows.back().Attenuation), 2145);
    EXPECT_EQ(FourDecimals(rows.back().Capacitance), 642);

    EXPECT_EQ(FourDecimals(SweepCapacitance(1.0000000001, 50, 220)), 10220907);
}

TEST(CapacitorSweep, RowsFollowTheAccumulatedMnAndMaxRoundsHalfToEven)
{
    const struct {
        TSweepInputs in;
        std::int32_t max;
        std::vector<double> mns;
    } cases[] = {
        {{220, 50, 1, 1.5, 2}, 0, {1.5}},      // quotient 0.5
        {{220, 50, 1, 1.5, 3}, 2, {1.5, 2.5}}, // quotient 1.5
        {{220, 50, 0.5, 1.1, 1.2}, 0, {1.1}},  // step beyond the range
        {{220, 50, 0.01, 1.2, 1.1}, -10, {}},  // From above To
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SweepProgressMax(c.in.From, c.in.To, c.in.Step), c.max) << c.in.From << ".." << c.in.To;
        std::vector<double> mns;
        for (const auto& row : CalcSweepRows(c.in))
            mns.push_back(row.Mn);
        EXPECT_EQ(mns, c.mns) << c.in.From << ".." << c.in.To;
    }
}

TEST(CapacitorSweep, MaxKeepsTheLowThirtyTwoBitsAndArithmeticFaultsRaise)
{
    EXPECT_EQ(SweepProgressMax(2, 2 + 4294967296.0 + 5, 1), 5);
    EXPECT_THROW(CalcSweepRows({1e-300, 1e-300, 0.0001, 1.0001, 1.025}), EOverflow);
    EXPECT_THROW(CalcSweepRows({220, 50, 1e-300, 1.5, 2}), EInvalidOp);
    EXPECT_THROW(SweepProgressMax(1.5, 2, 1e-300), EInvalidOp);
    EXPECT_THROW(SweepProgressMax(1.5, 2, 0), EZeroDivide);
    EXPECT_THROW(SweepCapacitance(1, 50, 220), EZeroDivide);
    // Мн 0: the logarithm divides by zero before the square root of -1 is invalid.
    EXPECT_THROW(CalcSweepRows({220, 50, 1, 0, 0.5}), EZeroDivide);
    EXPECT_THROW(CalcSweepRows({220, 50, 1, -0.0, 0.5}), EZeroDivide);
    EXPECT_THROW(CalcSweepRows({220, 50, 1, 0.5, 0.7}), EInvalidOp); // Мн below 1: no real root
    // Мн itself overflows hundreds of rows in, after rows whose capacitances underflow.
    EXPECT_THROW(CalcSweepRows({220, 50, 2e305, 1e308, std::numeric_limits<double>::max()}), EOverflow);
}

TEST(CapacitorSweep, RowBoundAllowsTheLimitAndRefusesMore)
{
    // Integral Мн keep the accumulation exact: 999 999 steps give 1 000 000 rows.
    EXPECT_EQ(CalcSweepRows({220, 50, 1, 2, 2 + 999'999.0}).size(), static_cast<std::size_t>(kMaxSweepRows));
    const TSweepInputs refused[] = {
        {220, 50, 1, 2, 2 + 1'000'001.0}, // caught by the quotient
        {220, 50, 1, 2, 2 + 1'000'000.0}, // quotient at the limit: caught in the loop
        {220, 50, 1, 1e17, 1e17 + 64},    // a step of 1 never moves Мн = 1e17
    };
    for (const auto& in : refused) {
        try {
            CalcSweepRows(in);
            ADD_FAILURE() << "not refused: " << in.From << ".." << in.To;
        } catch (const ETooManyRows& e) {
            EXPECT_EQ(e.Message(), AnsiFromUtf8("Слишком мелкий шаг для этого диапазона: получилось бы "
                                                "больше 1000000 строк. Увеличьте шаг Мн или сузьте диапазон."));
        }
    }
}
