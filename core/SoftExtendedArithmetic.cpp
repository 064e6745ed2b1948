#include "core/SoftExtendedUnpacked.h"

namespace SoftExtended {

namespace {

// A finite operand again in its canonical encoding (a pseudo-denormal becomes normal).
TExtendedBits Repacked(const TUnpacked& u)
{
    return RoundPack(u.Negative, u.Exponent, static_cast<TUint128>(u.Significand) << 64);
}

TExtendedBits AddUnpacked(const TUnpacked& x, const TUnpacked& y)
{
    if (x.Kind >= kQuietNaN || y.Kind >= kQuietNaN)
        return PropagateNaN(x, y);
    if (x.Kind == kInfinite || y.Kind == kInfinite) {
        if (x.Kind == kInfinite && y.Kind == kInfinite && x.Negative != y.Negative)
            return InvalidResult();
        return Infinity(x.Kind == kInfinite ? x.Negative : y.Negative);
    }
    if (x.Kind == kZero && y.Kind == kZero)
        return Zero(x.Negative && y.Negative); // rounding to nearest: −0 only from −0 + −0
    if (y.Kind == kZero)
        return Repacked(x);
    if (x.Kind == kZero)
        return Repacked(y);

    // a is the operand of the larger magnitude.
    const bool swap = y.Exponent > x.Exponent || (y.Exponent == x.Exponent && y.Significand > x.Significand);
    const TUnpacked& a = swap ? y : x;
    const TUnpacked& b = swap ? x : y;
    // Both significands sit one bit below the top, so that a sum cannot carry out; the
    // 63 bits below them keep the round bit and the sticky bit apart.
    const TUint128 ma = static_cast<TUint128>(a.Significand) << 63;
    const TUint128 mb = ShiftRightSticky(static_cast<TUint128>(b.Significand) << 63, a.Exponent - b.Exponent);
    const TUint128 m = a.Negative == b.Negative ? ma + mb : ma - mb;
    if (m == 0)
        return Zero(false); // exact cancellation gives +0 when rounding to nearest
    return NormalizeRoundPack(a.Negative, a.Exponent + 1, m);
}

} // namespace

TExtendedBits Add(TExtendedBits a, TExtendedBits b)
{
    return AddUnpacked(Unpack(a), Unpack(b));
}

TExtendedBits Subtract(TExtendedBits a, TExtendedBits b)
{
    TUnpacked y = Unpack(b);
    if (y.Kind < kQuietNaN) // a NaN keeps its sign
        y.Negative = !y.Negative;
    return AddUnpacked(Unpack(a), y);
}

TExtendedBits Multiply(TExtendedBits a, TExtendedBits b)
{
    const TUnpacked x = Unpack(a);
    const TUnpacked y = Unpack(b);
    if (x.Kind >= kQuietNaN || y.Kind >= kQuietNaN)
        return PropagateNaN(x, y);
    const bool negative = x.Negative != y.Negative;
    if (x.Kind == kInfinite || y.Kind == kInfinite) {
        if (x.Kind == kZero || y.Kind == kZero)
            return InvalidResult();
        return Infinity(negative);
    }
    if (x.Kind == kZero || y.Kind == kZero)
        return Zero(negative);
    const TUint128 m = static_cast<TUint128>(x.Significand) * y.Significand;
    return NormalizeRoundPack(negative, x.Exponent + y.Exponent - kExtendedBias + 1, m);
}

TExtendedBits Divide(TExtendedBits a, TExtendedBits b)
{
    const TUnpacked x = Unpack(a);
    const TUnpacked y = Unpack(b);
    if (x.Kind >= kQuietNaN || y.Kind >= kQuietNaN)
        return PropagateNaN(x, y);
    const bool negative = x.Negative != y.Negative;
    if (x.Kind == kInfinite)
        return y.Kind == kInfinite ? InvalidResult() : Infinity(negative);
    if (y.Kind == kInfinite)
        return Zero(negative);
    if (y.Kind == kZero) {
        if (x.Kind == kZero)
            return InvalidResult();
        Raise(efZeroDivide);
        return Infinity(negative);
    }
    if (x.Kind == kZero)
        return Zero(negative);

    // 64 or 65 quotient bits from one division; a 64-bit quotient gets its round bit
    // from the remainder. A nonzero remainder is the sticky bit.
    const TUint128 n = static_cast<TUint128>(x.Significand) << 64;
    const TUint128 q = n / y.Significand;
    const auto r = static_cast<std::uint64_t>(n % y.Significand);
    const int exponent = x.Exponent - y.Exponent + kExtendedBias;
    if (q >> 64)
        return RoundPack(negative, exponent, (q << 63) | (r != 0));
    const TUint128 twice = static_cast<TUint128>(r) << 1;
    const bool roundBit = twice >= y.Significand;
    const TUint128 rest = roundBit ? twice - y.Significand : twice;
    return RoundPack(negative, exponent - 1,
        (q << 64) | (static_cast<TUint128>(roundBit) << 63) | (rest != 0));
}

} // namespace SoftExtended
