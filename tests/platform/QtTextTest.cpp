// The system's Windows-1251 texts as Qt strings and back.
#include "platform/QtText.h"

#include <gtest/gtest.h>

TEST(QtText, EveryAssignedByteRoundTripsThroughQString)
{
    for (int b = 1; b < 256; ++b) {
        if (b == 0x98) // the one byte Windows-1251 leaves unassigned
            continue;
        const AnsiString one(1, static_cast<char>(b));
        EXPECT_EQ(FromQString(ToQString(one)), one) << b;
    }
    EXPECT_EQ(ToQString("\xD1\xF7\xE8\xF2\xE0\xF2\xFC"), QString::fromUtf8("Считать"));
    EXPECT_EQ(FromQString(QString::fromUtf8("x\U0001F600y")), "x?y");
}
