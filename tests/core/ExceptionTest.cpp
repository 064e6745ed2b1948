#include "core/ChartErrors.h"
#include "core/ConvertError.h"
#include "core/InvalidOperation.h"
#include "core/ListError.h"
#include "core/MathErrors.h"
#include "core/PictureErrors.h"
#include "core/StreamErrors.h"

#include <gtest/gtest.h>

TEST(Exceptions, CarryTheirExactMessages)
{
    const struct {
        Exception error;
        const char* message;
    } cases[] = {
        {EConvertError::InvalidFloat("1.5"), "'1.5' is not a valid floating point value"},
        {EConvertError::FormatTooLong(), "Format string too long"},
        {EOverflow(), "Floating point overflow"},
        {EZeroDivide(), "Floating point division by zero"},
        {EInvalidOp(), "Invalid floating point operation"},
        {EListError(-1), "List index out of bounds (-1)"},
        {EInvalidOperation::PropertyOutOfRange("TProgressBar"), "TProgressBar property out of range"},
        {EJPEG(42), "JPEG error #42"},
        {EReadError(), "Stream read error"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.error.Message(), c.message);
}

TEST(Exceptions, FormatMessageLeavesPlaceholdersWithoutArgumentsAlone)
{
    EXPECT_EQ(FormatMessage("%s and %s", {"a"}), "a and %s");
    EXPECT_EQ(FormatMessage("100%", {"x"}), "100%");
    EXPECT_EQ(FormatMessage("'%s'", {"%d"}), "'%d'");
}
