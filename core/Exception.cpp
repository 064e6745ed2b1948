#include "core/Exception.h"

AnsiString FormatMessage(std::string_view pattern, std::initializer_list<AnsiString> args)
{
    AnsiString out;
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size()
            && (pattern[i + 1] == 's' || pattern[i + 1] == 'd') && next != args.end();
        if (placeholder) {
            out += *next++;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
