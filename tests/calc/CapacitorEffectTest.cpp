#include "calc/CapacitorEffect.h"
#include "calc/CapacitorSweep.h"
#include "core/MathErrors.h"
#include "tests/calc/FourDecimals.h"

#include <gtest/gtest.h>

TEST(CapacitorEffect, TheRowsOwnCapacitanceGivesBackItsMnAttenuationAndFrequency)
{
    const TSweepInputs inputs[] = {
        {220, 50, 0.0001, 1.0001, 1.025},
        {470, 20, 0.01, 1.01, 1.5},
        {1000, 10, 0.25, 1.000001, 12},
        {0.5, 2000, 0.001, 1.0005, 1.05},
    };
    for (const auto& in : inputs) {
        const auto rows = CalcSweepRows(in);
        ASSERT_FALSE(rows.empty());
        for (const TSweepRow& row : rows) {
            const TCapacitorEffect effect = CapacitorEffect(row.Capacitance, row.Mn, in.F, in.Rc);
            EXPECT_EQ(FourDecimals(effect.Mn), FourDecimals(row.Mn)) << in.Rc << " kΩ, Мн " << row.Mn;
            EXPECT_EQ(FourDecimals(effect.Attenuation), FourDecimals(row.Attenuation)) << in.Rc << " kΩ, Мн " << row.Mn;
            EXPECT_EQ(FourDecimals(effect.Frequency), FourDecimals(in.F)) << in.Rc << " kΩ, Мн " << row.Mn;
        }
    }
}

TEST(CapacitorEffect, AStandardValueInPlaceOfTheFirstDefaultRow)
{
    const struct {
        double c;
        long long mn, attenuation, phase, frequency; // in units of 0.0001
    } cases[] = {
        {1.2, 10001, 6, 13802, 425860},
        {1.0, 10001, 9, 16563, 511033},
        {0.068, 10223, 1919, 240011, 7515185},
    };
    for (const auto& c : cases) {
        const TCapacitorEffect effect = CapacitorEffect(c.c, 1.0001, 50, 220);
        EXPECT_EQ(FourDecimals(effect.Mn), c.mn) << c.c;
        EXPECT_EQ(FourDecimals(effect.Attenuation), c.attenuation) << c.c;
        EXPECT_EQ(FourDecimals(effect.Phase), c.phase) << c.c;
        EXPECT_EQ(FourDecimals(effect.Frequency), c.frequency) << c.c;
    }
}

TEST(CapacitorEffect, ArithmeticFaultsRaiseTheirErrors)
{
    EXPECT_THROW(CapacitanceMn(0, 50, 220), EZeroDivide);
    EXPECT_THROW(CapacitanceMn(1e-6, 1e-300, 1e-300), EOverflow);
    EXPECT_THROW(FrequencyForMn(1, 1.2, 220), EZeroDivide);
    EXPECT_THROW(FrequencyForMn(0.5, 1.2, 220), EInvalidOp);
}
