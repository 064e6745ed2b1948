#pragma once
// The results' one picture, "0.0000", written without the general formatter's
// extended-precision scaling: the text is exactly FormatDecimal("0.0000", value).
#include "core/AnsiString.h"

#include <string>

// Appends the value as FormatDecimal("0.0000", value) writes it, with the given decimal
// character in place of DecimalChar.
void AppendFourDecimals(std::string& out, double value, char decimalChar);
// FormatDecimal("0.0000", value).
AnsiString FormatFourDecimals(double value);
