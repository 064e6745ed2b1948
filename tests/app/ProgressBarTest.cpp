#include "app/ProgressBar.h"
#include "core/InvalidOperation.h"

#include <gtest/gtest.h>

TEST(ProgressBar, RefusesARangeWhoseMaxIsBelowItsMin)
{
    TProgressBar bar(nullptr);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 100);
    bar.SetMax(249);
    EXPECT_EQ(bar.Max(), 249);
    try {
        bar.SetMax(-1);
        FAIL() << "a negative Max must be refused";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "TProgressBar property out of range");
    }
    EXPECT_EQ(bar.Max(), 249);
    EXPECT_THROW(bar.SetMin(250), EInvalidOperation);
    bar.SetMax(INT32_MAX);
    EXPECT_EQ(bar.Max(), INT32_MAX);
}

TEST(ProgressBar, APositionPastMaxKeepsTheBarFull)
{
    TProgressBar bar(nullptr);
    bar.SetMax(2);
    for (int i = 0; i < 5; ++i)
        bar.SetPosition(bar.Position() + 1);
    EXPECT_EQ(bar.Position(), 2);
}
