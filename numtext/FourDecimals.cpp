#include "numtext/FourDecimals.h"

#include "numtext/DecimalSeparators.h"
#include "numtext/FormatDecimal.h"

#include <bit>
#include <cstdint>
#include <cstring>

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
// "00", "01", … "99": the digits are written two at a time.
constexpr char kDigitPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                               "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                               "8081828384858687888990919293949596979899";

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
    const auto putPair = [&w](std::uint64_t twoDigits) {
        w -= 2;
        std::memcpy(w, kDigitPairs + 2 * twoDigits, 2);
    };
    std::uint64_t whole = units / 10000;
    const std::uint64_t fraction = units - whole * 10000;
    putPair(fraction % 100);
    putPair(fraction / 100);
    *--w = decimalChar;
    for (; whole >= 100; whole /= 100)
        putPair(whole % 100);
    if (whole >= 10)
        putPair(whole);
    else
        *--w = static_cast<char>('0' + whole);
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
