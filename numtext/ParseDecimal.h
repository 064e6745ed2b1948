#pragma once
#include "core/AnsiString.h"
#include "core/Extended.h"

#include <string_view>

// The value of a decimal number text written with DecimalChar:
//   blanks, [+|-], digits, [DecimalChar digits], [(E|e) [+|-] digits], blanks
// where the mantissa has at least one digit or the DecimalChar (a lone DecimalChar is 0),
// "blanks" are code 32 only and the exponent digits are read while the exponent so far is
// below 500. Any other character rejects the text, as does a result that overflows.
// The digits are scaled once, by a power of ten assembled on its own: a power beyond the
// extended range divides to zero, and turns a zero mantissa into an invalid operation.
// The value may lie beyond the double range (up to about 1.19e4932).
// Raises EConvertError "'<text>' is not a valid floating point value" with the text as passed.
// Rounds to nearest in extended precision and gives the caller's flags back untouched.
TExtended ParseDecimal(std::string_view text);
