// FormatDecimal with arbitrary pictures and values: any double (NaN, infinities and
// denormals included) or any extended value, then the picture.
#include "fuzz/FuzzTarget.h"

#include "core/ConvertError.h"
#include "numtext/DecimalSeparators.h"
#include "numtext/FormatDecimal.h"

#include <cstring>
#include <string_view>

namespace {

// Input: one byte choosing the value's form, its bytes, then the picture.
struct TInput {
    TExtended Value;
    std::string_view Picture;
};

bool Split(const std::uint8_t* data, std::size_t size, TInput& input)
{
    if (size < 1)
        return false;
    const bool extended = data[0] & 1;
    const std::size_t width = extended ? 10 : sizeof(double);
    if (size < 1 + width)
        return false;
    if (extended) {
        // Ten bytes as the format lays them out: the significand, then sign and exponent.
        TExtendedBits bits;
        std::memcpy(&bits.Significand, data + 1, sizeof bits.Significand);
        bits.SignExponent = static_cast<std::uint16_t>(data[9] | (data[10] << 8));
        // The integer bit follows the exponent as in every value the arithmetic makes;
        // the unsupported encodings are no numbers a program computes.
        const std::uint64_t integerBit = std::uint64_t{1} << 63;
        bits.Significand = bits.Exponent() != 0 ? bits.Significand | integerBit : bits.Significand & ~integerBit;
        input.Value = TExtended::FromBits(bits);
    } else {
        double value;
        std::memcpy(&value, data + 1, sizeof value);
        input.Value = value;
    }
    input.Picture = std::string_view(reinterpret_cast<const char*>(data) + 1 + width, size - 1 - width);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TInput input;
    if (!Split(data, size, input))
        return 0;
    DecimalChar = ',';
    GroupChar = ' ';
    try {
        const AnsiString text = FormatDecimal(input.Picture, input.Value);
        FuzzExpect(text.size() < 4096, "a picture of under 225 characters writes a bounded text");
    } catch (const EConvertError&) {
        // A picture that is too long or holds characters no picture may hold.
    }
    return 0;
}
