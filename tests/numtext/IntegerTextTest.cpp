#include "numtext/IntegerText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

TEST(IntegerText, WritesPlainDecimalWithALeadingMinusOnly)
{
    EXPECT_EQ(IntegerText(1), "1");
    EXPECT_EQ(IntegerText(199), "199");
    EXPECT_EQ(IntegerText(-5), "-5");
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(1000000), "1000000");
    EXPECT_EQ(IntegerText(std::numeric_limits<std::int32_t>::max()), "2147483647");
    EXPECT_EQ(IntegerText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}
