#include "core/AnsiString.h"

#include <gtest/gtest.h>

TEST(AnsiString, EveryAssignedByteRoundTripsThroughUtf8)
{
    for (int b = 1; b < 256; ++b) {
        if (b == 0x98) // the one byte Windows-1251 leaves unassigned
            continue;
        const AnsiString one(1, static_cast<char>(b));
        EXPECT_EQ(AnsiFromUtf8(Utf8FromAnsi(one)), one) << b;
    }
}

TEST(AnsiString, CyrillicAndPunctuationMapToTheirBytes)
{
    EXPECT_EQ(AnsiFromUtf8("Мн"), "\xCC\xED");
    EXPECT_EQ(AnsiFromUtf8("Ёё№"), "\xA8\xB8\xB9");
    EXPECT_EQ(AnsiFromUtf8("\u00A0"), "\xA0");
    EXPECT_EQ(Utf8FromAnsi("\xD1\xF1,\xEC\xEA\xD4"), "Сс,мкФ");
    EXPECT_EQ(Utf8FromAnsi("1,0221 \xEC\xEA\xD4 x"), "1,0221 мкФ x");
}

TEST(AnsiString, CharactersWithoutAWindows1251FormBecomeQuestionMarks)
{
    EXPECT_EQ(AnsiFromUtf8("a\u00E9b\u4E2D\U0001F600c"), "a?b??c");
    // A malformed sequence is one unknown character, not a crash.
    EXPECT_EQ(AnsiFromUtf8("a\xC3"), "a?");
    EXPECT_EQ(AnsiFromUtf8("\xFF"), "?");
}
