#include "numtext/TrimBlanks.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(TrimBlanks, RemovesBlanksAndControlCharactersAtBothEnds)
{
    EXPECT_EQ(TrimBlanks(" 220 "), "220");
    EXPECT_EQ(TrimBlanks("\t\r\n 1,0250\x1F\x01"), "1,0250");
    EXPECT_EQ(TrimBlanks("\0 12 \0"s), "12");
    EXPECT_EQ(TrimBlanks("abc"), "abc");
}

TEST(TrimBlanks, KeepsInnerBlanksAndCharactersAbove32)
{
    EXPECT_EQ(TrimBlanks("  1 000\t5  "), "1 000\t5");
    EXPECT_EQ(TrimBlanks("\xA0x\xA0"), "\xA0x\xA0"); // the no-break space is not a blank here
    EXPECT_EQ(TrimBlanks("!~"), "!~");
}

TEST(TrimBlanks, AnAllBlankTextBecomesEmpty)
{
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks(" "), "");
    EXPECT_EQ(TrimBlanks(" \t\n\r\x1F "), "");
}
