#include "numtext/FourDecimals.h"

#include "numtext/DecimalSeparators.h"
#include "numtext/FormatDecimal.h"

#include <bit>
#include <cstdint>

namespace {

constexpr int kSignificandBits = 52;
constexpr int kExponentMask = 0x7FF;
constexpr int kExponentBias = 1075; // the value is significand * 2^(exponent - 1075)
constexpr std::uint64_t kFourDecimalsScale = 625; // 10^4 = 625 * 2^4
// Below this magnitude the fourth decimal lies well inside the general formatter's 18
// digits and the band around a tie that NearTie leaves to it stays a small part of a
// unit; larger values, infinities and NaNs are left to it.
constexpr double kExactLimit = 1e9;

// The general formatter decides the rounding on an 18-digit expansion that may be off
// from the true decimal expansion by less than one unit of its last digit. A value whose
// distance from a rounding tie is below this many 2^-shift units of 0.0001 (a bound on
// that error, with ample room: significand * 2^-40 against the error's significand *
// 3.75e-14) may round either way there, and is handed to it.
bool NearTie(std::uint64_t distance, std::uint64_t significand)
{
    return distance <= (significand >> 40);
}

void AppendGeneral(std::string& out, double value, char decimalChar)
{
    static const TDecimalPicture picture("0.0000");
    out += picture.Format(value, decimalChar);
}

} // namespace

void AppendFourDecimals(std::string& out, double value, char decimalChar)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int exponent = static_cast<int>((bits >> kSignificandBits) & kExponentMask);
    if (!(value < kExactLimit && value > -kExactLimit)) { // also infinities and NaNs
        AppendGeneral(out, value, decimalChar);
        return;
    }

    // |value| * 10^4 = significand * 625 * 2^(exponent - 1075 + 4): an integer below 2^63
    // scaled down by shift bits (shift is at least 18 below kExactLimit). A denormal has
    // no integer bit and the exponent of the smallest normal.
    std::uint64_t significand = bits & ((std::uint64_t{1} << kSignificandBits) - 1);
    if (exponent != 0)
        significand |= std::uint64_t{1} << kSignificandBits;
    const int shift = kExponentBias - 4 - (exponent != 0 ? exponent : 1);
    std::uint64_t units = 0; // |value| in units of 0.0001, rounded half away from zero
    if (shift <= 64) {
        const std::uint64_t scaled = significand * kFourDecimalsScale;
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        const std::uint64_t rest = shift == 64 ? scaled : scaled & ((half << 1) - 1);
        if (NearTie(rest >= half ? rest - half : half - rest, significand)) {
            AppendGeneral(out, value, decimalChar);
            return;
        }
        units = (shift == 64 ? 0 : scaled >> shift) + (rest >= half ? 1 : 0);
    } // beyond 64 bits of shift the value is below a quarter of 0.0001

    char text[24];
    char* const end = text + sizeof text;
    char* w = end;
    std::uint64_t whole = units / 10000;
    std::uint32_t fraction = static_cast<std::uint32_t>(units % 10000);
    for (int i = 0; i < 4; ++i) {
        *--w = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    *--w = decimalChar;
    do {
        *--w = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative && units != 0) // a value that rounds to zero is never negative
        *--w = '-';
    out.append(w, end);
}

AnsiString FormatFourDecimals(double value)
{
    AnsiString text;
    AppendFourDecimals(text, value, DecimalChar);
    return text;
}
