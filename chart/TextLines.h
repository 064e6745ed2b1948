#pragma once
// A chart text of one or more lines, the lines separated by carriage returns.
#include <algorithm>
#include <string_view>

// Calls f with each line of the text.
template <class F>
void ForEachLine(std::string_view text, F f)
{
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\r', start);
        f(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return;
        start = end + 1;
    }
}

inline int LineCount(std::string_view text)
{
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\r'));
}
