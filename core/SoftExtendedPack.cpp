#include "core/SoftExtendedUnpacked.h"

namespace SoftExtended {

TUnpacked UnpackSpecial(TExtendedBits a)
{
    const bool negative = a.Negative();
    const int exponent = a.Exponent();
    const std::uint64_t s = a.Significand;
    if (exponent == kExtendedSpecialExponent) {
        if (!(s & kIntegerBit)) // pseudo-infinities and pseudo-NaNs
            return {kUnsupported, negative, exponent, s};
        if ((s << 1) == 0)
            return {kInfinite, negative, exponent, s};
        return {(s & kQuietBit) ? kQuietNaN : kSignalingNaN, negative, exponent, s};
    }
    if (exponent == 0) {
        if (s == 0)
            return {kZero, negative, 0, 0};
        // A denormal (or a pseudo-denormal, read as the hardware reads it) is normalised.
        const int shift = std::countl_zero(s);
        return {kFinite, negative, 1 - shift, s << shift};
    }
    if (!(s & kIntegerBit)) // unnormals
        return {kUnsupported, negative, exponent, s};
    return {kFinite, negative, exponent, s};
}

TUint128 ShiftRightSticky(TUint128 m, int shift)
{
    if (shift <= 0)
        return m;
    if (shift >= 128)
        return m != 0;
    return (m >> shift) | ((m << (128 - shift)) != 0);
}

TExtendedBits RoundPack(bool negative, int exponent, TUint128 m)
{
    constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
    const auto roundsUp = [](std::uint64_t high, std::uint64_t low) {
        return low > kHalf || (low == kHalf && (high & 1));
    };
    bool tiny = false;
    if (exponent < 1) {
        // Tininess is judged after rounding with an unbounded exponent: only a value
        // that rounds up to the smallest normal escapes it.
        const auto high = static_cast<std::uint64_t>(m >> 64);
        tiny = !(exponent == 0 && high == ~std::uint64_t{0} && roundsUp(high, static_cast<std::uint64_t>(m)));
        m = ShiftRightSticky(m, 1 - exponent);
        exponent = 0;
    }
    auto high = static_cast<std::uint64_t>(m >> 64);
    const auto low = static_cast<std::uint64_t>(m);
    if (roundsUp(high, low)) {
        if (++high == 0) {
            high = kIntegerBit;
            ++exponent;
        } else if (exponent == 0 && (high & kIntegerBit)) {
            exponent = 1; // a denormal rounded up to the smallest normal
        }
    }
    if (exponent >= kExtendedSpecialExponent) {
        Raise(efOverflow | efInexact);
        return Infinity(negative);
    }
    if (low != 0)
        Raise(tiny ? efUnderflow | efInexact : efInexact);
    return MakeExtendedBits(negative, exponent, high);
}

TExtendedBits NormalizeRoundPack(bool negative, int exponent, TUint128 m)
{
    const int shift = LeadingZeros(m);
    return RoundPack(negative, exponent - shift, m << shift);
}

TExtendedBits InvalidResult()
{
    Raise(efInvalid);
    return kIndefinite;
}

namespace {
TExtendedBits Quieted(const TUnpacked& u)
{
    if (u.Kind == kSignalingNaN)
        Raise(efInvalid);
    return MakeExtendedBits(u.Negative, kExtendedSpecialExponent, u.Significand | kQuietBit);
}
} // namespace

TExtendedBits PropagateNaN(const TUnpacked& a)
{
    if (a.Kind == kUnsupported)
        return InvalidResult();
    return Quieted(a);
}

TExtendedBits PropagateNaN(const TUnpacked& a, const TUnpacked& b)
{
    if (a.Kind == kUnsupported || b.Kind == kUnsupported)
        return InvalidResult();
    if (!IsNaN(b))
        return Quieted(a);
    if (!IsNaN(a))
        return Quieted(b);
    if (a.Kind != b.Kind) { // a quiet NaN wins over a signaling one
        Raise(efInvalid);
        return a.Kind == kQuietNaN ? Quieted(a) : Quieted(b);
    }
    if (a.Kind == kSignalingNaN)
        Raise(efInvalid);
    const std::uint64_t sa = a.Significand | kQuietBit;
    const std::uint64_t sb = b.Significand | kQuietBit;
    if (sa != sb)
        return MakeExtendedBits(sa > sb ? a.Negative : b.Negative, kExtendedSpecialExponent, sa > sb ? sa : sb);
    // Equal significands: the result is negative only when both are.
    return MakeExtendedBits(a.Negative && b.Negative, kExtendedSpecialExponent, sa);
}

} // namespace SoftExtended
