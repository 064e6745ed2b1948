#pragma once
// The process-wide separators of the number text, taken from the user's locale.
#include <optional>

// The decimal separator read and written by ParseDecimal and FormatDecimal.
extern char DecimalChar;
// The digit-group separator written by FormatDecimal when a picture groups digits;
// ParseDecimal never accepts it.
extern char GroupChar;

// Sets DecimalChar and GroupChar from the first character of the numeric decimal and
// thousands separators of the named C-library locale ("" is the user's default from the
// environment, LC_ALL, LC_NUMERIC, LANG). The process's global locale is left alone.
// A separator that is empty or cannot be read falls back to "." and "," respectively.
// Called at start-up and whenever the user's locale settings change.
void ReadLocaleSeparators(const char* localeName = "");

// The first character of a text in the given character set as one Windows-1251 byte
// ("?" when it has no Windows-1251 form; the narrow no-break space U+202F counts as the
// no-break space 0xA0). Nothing for an empty or undecodable text or an unknown set.
std::optional<char> AnsiFromLocaleText(const char* text, const char* codeset);
