#include "core/WideFixed.h"

namespace SoftExtended {

TExtendedBits ArcTan(TExtendedBits a)
{
    const TUnpacked x = Unpack(a);
    if (x.Kind >= kQuietNaN)
        return PropagateNaN(x);
    if (x.Kind == kZero)
        return a;
    const TWideFixed halfPi = WideQuarterPi() * 2;
    if (x.Kind == kInfinite)
        return WideRound(x.Negative ? -halfPi : halfPi);

    const int k = x.Exponent - kExtendedBias;
    if (k < -32) {
        // arctan x = x(1 − x²/3 + …) lies less than a quarter unit below x: it rounds to x,
        // inexactly.
        return NormalizeRoundPack(x.Negative, x.Exponent, (static_cast<TUint128>(x.Significand) << 64) - 1);
    }
    TWideFixed result;
    if (k < 0) {
        result = WideArcTan(TWideFixed::FromScaled(x.Significand, k - 63));
    } else {
        // arctan x = π/2 − arctan(1/x), with 1/x = (1/m) · 2^-k for x = m · 2^k.
        TWideFixed y = TWideFixed::FromScaled(x.Significand, -63).Reciprocal();
        for (int shift = k; shift > 0 && y.Limbs != TWideFixed{}.Limbs; shift -= 62)
            y = y / (std::uint64_t{1} << std::min(shift, 62));
        result = halfPi - WideArcTan(y);
    }
    return WideRound(x.Negative ? -result : result);
}

} // namespace SoftExtended
