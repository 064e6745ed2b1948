#pragma once
#include "core/AnsiString.h"

#include <string_view>

// The text without its leading and trailing characters of codes 0 to 32 (blanks and
// every control character); an all-blank text gives the empty text.
AnsiString TrimBlanks(std::string_view text);
