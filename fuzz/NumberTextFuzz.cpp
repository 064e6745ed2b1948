// TrimBlanks and ParseDecimal on arbitrary bytes, with both decimal separators.
#include "fuzz/FuzzTarget.h"

#include "core/ConvertError.h"
#include "numtext/DecimalSeparators.h"
#include "numtext/ParseDecimal.h"
#include "numtext/TrimBlanks.h"

#include <optional>
#include <string_view>

namespace {

bool Blank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// The value, or none when the text is rejected with the conversion error naming it.
std::optional<TExtended> Parse(std::string_view text)
{
    TExtendedFlagsHold hold; // starts with no flag raised
    try {
        const TExtended value = ParseDecimal(text);
        FuzzExpect(ExtendedFlags() == 0, "ParseDecimal leaves its flags to the caller");
        FuzzExpect(IsFinite(value), "ParseDecimal gives a finite number");
        return value;
    } catch (const EConvertError& e) {
        FuzzExpect(e.Message() == "'" + AnsiString(text) + "' is not a valid floating point value",
            "the conversion error names the text as passed");
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const AnsiString trimmed = TrimBlanks(text);
    FuzzExpect(trimmed.empty() || (!Blank(trimmed.front()) && !Blank(trimmed.back())),
        "TrimBlanks leaves no blank or control character at either end");
    FuzzExpect(text.find(trimmed) != std::string_view::npos, "TrimBlanks only cuts the ends");

    for (const char separator : {',', '.'}) {
        DecimalChar = separator;
        GroupChar = separator == ',' ? ' ' : ',';
        const std::optional<TExtended> value = Parse(text);
        // Blanks around an accepted text are all TrimBlanks takes away.
        if (value) {
            const std::optional<TExtended> again = Parse(trimmed);
            FuzzExpect(again && *again == *value, "a trimmed accepted text gives the same value");
        }
    }
    return 0;
}
