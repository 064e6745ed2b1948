#include "numtext/TrimBlanks.h"

namespace {
bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}
} // namespace

AnsiString TrimBlanks(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlankOrControl(text[first]))
        ++first;
    while (last > first && IsBlankOrControl(text[last - 1]))
        --last;
    return AnsiString(text.substr(first, last - first));
}
