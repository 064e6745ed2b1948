#include "numtext/IntegerText.h"

#include <charconv>

AnsiString IntegerText(std::int32_t value)
{
    char text[12]; // "-2147483648" is the longest
    const auto result = std::to_chars(text, text + sizeof text, value);
    return AnsiString(text, result.ptr);
}
