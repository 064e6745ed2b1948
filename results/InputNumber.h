#pragma once
// Reading a number typed into an input field.
#include "core/AnsiString.h"

// The field's text without its surrounding blanks and control characters, parsed
// and stored as a double. A text that does not parse, or whose value lies beyond
// the double range, raises EConvertError naming the text as typed.
double ReadInputNumber(const AnsiString& text);
