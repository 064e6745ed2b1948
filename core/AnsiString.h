#pragma once
// Texts inside the system are 8-bit Windows-1251 byte strings.
#include <string>
#include <string_view>

using AnsiString = std::string;

// Windows-1251 bytes from UTF-8 text; characters with no Windows-1251 form become "?".
AnsiString AnsiFromUtf8(std::string_view utf8);
// UTF-8 text from Windows-1251 bytes.
std::string Utf8FromAnsi(std::string_view ansi);
// The same, appended to out: no string of its own for each of many short texts.
void AppendUtf8FromAnsi(std::string& out, std::string_view ansi);

// One Unicode code point to its Windows-1251 byte, or '?' when it has none.
char AnsiFromCodePoint(char32_t cp);
// The Unicode code point of one Windows-1251 byte.
char32_t CodePointFromAnsi(char c);
