#include "core/SoftExtendedUnpacked.h"

#include <cstring>

namespace SoftExtended {

namespace {
constexpr int kDoubleBias = 1023;
constexpr std::uint64_t kDoubleQuiet = std::uint64_t{1} << 51;
constexpr std::uint64_t kDoubleFraction = (std::uint64_t{1} << 52) - 1;

double DoubleFromBits(bool negative, std::uint64_t exponent, std::uint64_t fraction)
{
    const std::uint64_t bits = (static_cast<std::uint64_t>(negative) << 63) | (exponent << 52) | fraction;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
} // namespace

TExtendedBits FromDouble(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = bits >> 63;
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & kDoubleFraction;
    if (exponent == 0x7FF) {
        if (fraction == 0)
            return Infinity(negative);
        if (!(fraction & kDoubleQuiet))
            Raise(efInvalid);
        return MakeExtendedBits(negative, kExtendedSpecialExponent, kIntegerBit | kQuietBit | (fraction << 11));
    }
    if (exponent == 0) {
        if (fraction == 0)
            return Zero(negative);
        const int shift = std::countl_zero(fraction);
        // fraction × 2^-1074 with the fraction's top bit moved to bit 63
        return MakeExtendedBits(negative, kExtendedBias + 63 - 1074 - shift, fraction << shift);
    }
    return MakeExtendedBits(negative, exponent - kDoubleBias + kExtendedBias, kIntegerBit | (fraction << 11));
}

double ToDouble(TExtendedBits a)
{
    const TUnpacked x = Unpack(a);
    switch (x.Kind) {
    case kZero:
        return DoubleFromBits(x.Negative, 0, 0);
    case kInfinite:
        return DoubleFromBits(x.Negative, 0x7FF, 0);
    case kUnsupported:
        Raise(efInvalid);
        return DoubleFromBits(true, 0x7FF, kDoubleQuiet);
    case kQuietNaN:
    case kSignalingNaN:
        if (x.Kind == kSignalingNaN)
            Raise(efInvalid);
        return DoubleFromBits(x.Negative, 0x7FF, kDoubleQuiet | ((x.Significand >> 11) & kDoubleFraction));
    case kFinite:
        break;
    }
    // 53 of the 64 bits are kept, fewer for a result below the double's normal range.
    int exponent = x.Exponent - kExtendedBias + kDoubleBias;
    bool tiny = false;
    int drop = 11;
    if (exponent < 1) {
        const bool carries = exponent == 0 && (x.Significand >> 11) == (std::uint64_t{1} << 53) - 1
            && (x.Significand & 0x7FF) >= 0x400;
        tiny = !carries;
        drop += 1 - exponent;
        exponent = 0;
    }
    std::uint64_t kept = 0;
    std::uint64_t lost; // the dropped bits, left-aligned, the last one sticky
    if (drop < 64) {
        kept = x.Significand >> drop;
        lost = x.Significand << (64 - drop);
    } else {
        lost = drop == 64 ? x.Significand : static_cast<std::uint64_t>(ShiftRightSticky(x.Significand, drop - 64));
    }
    constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
    if (lost > kHalf || (lost == kHalf && (kept & 1)))
        ++kept;
    if (exponent == 0 && (kept >> 52))
        exponent = 1; // a denormal rounded up to the smallest normal
    if (kept >> 53) { // carried into a new bit
        kept >>= 1;
        ++exponent;
    }
    if (exponent >= 0x7FF) {
        Raise(efOverflow | efInexact);
        return DoubleFromBits(x.Negative, 0x7FF, 0);
    }
    if (lost != 0)
        Raise(tiny ? efUnderflow | efInexact : efInexact);
    return DoubleFromBits(x.Negative, static_cast<std::uint64_t>(exponent), kept & kDoubleFraction);
}

TExtendedBits FromInt64(std::int64_t value)
{
    if (value == 0)
        return Zero(false);
    const bool negative = value < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    const int shift = std::countl_zero(magnitude);
    return MakeExtendedBits(negative, kExtendedBias + 63 - shift, magnitude << shift);
}

std::int64_t ToInt64(TExtendedBits a, bool truncate)
{
    constexpr std::int64_t kIndefiniteInteger = INT64_MIN;
    const TUnpacked x = Unpack(a);
    if (x.Kind == kZero)
        return 0;
    if (x.Kind != kFinite) {
        Raise(efInvalid);
        return kIndefiniteInteger;
    }
    const int unbiased = x.Exponent - kExtendedBias;
    if (unbiased > 63) {
        Raise(efInvalid);
        return kIndefiniteInteger;
    }
    // The integer part and the fraction's bits, left-aligned, the last one sticky.
    std::uint64_t integer = 0;
    std::uint64_t fraction = 0;
    if (unbiased < 0) {
        const int shift = -unbiased - 1;
        fraction = static_cast<std::uint64_t>(ShiftRightSticky(x.Significand, shift));
    } else if (unbiased < 63) {
        integer = x.Significand >> (63 - unbiased);
        fraction = x.Significand << (unbiased + 1);
    } else {
        integer = x.Significand;
    }
    constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
    if (!truncate && (fraction > kHalf || (fraction == kHalf && (integer & 1))))
        ++integer; // below 2^63 before, so it cannot wrap
    if (integer > (x.Negative ? kHalf : kHalf - 1)) {
        Raise(efInvalid);
        return kIndefiniteInteger;
    }
    if (fraction != 0)
        Raise(efInexact);
    return x.Negative ? static_cast<std::int64_t>(0 - integer) : static_cast<std::int64_t>(integer);
}

TExtendedBits Trunc(TExtendedBits a)
{
    const TUnpacked x = Unpack(a);
    if (x.Kind == kZero)
        return a;
    if (x.Kind != kFinite)
        return Add(a, a);
    const int unbiased = x.Exponent - kExtendedBias;
    if (unbiased >= 63)
        return a;
    if (unbiased < 0) {
        Raise(efInexact);
        return Zero(x.Negative);
    }
    // Clears the fraction's bits below the units' bit.
    const std::uint64_t whole = x.Significand & (~std::uint64_t{0} << (63 - unbiased));
    if (whole != x.Significand)
        Raise(efInexact);
    return MakeExtendedBits(x.Negative, x.Exponent, whole);
}

} // namespace SoftExtended
