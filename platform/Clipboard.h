#pragma once
// Text for other programs, put on the clipboard.
#include <string_view>

// Puts the UTF-8 text on the clipboard as plain text.
void SetClipboardText(std::string_view utf8);
