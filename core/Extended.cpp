#include "core/Extended.h"

namespace {

// Runs a software function on x. On the hardware path the errors it flags (invalid,
// division by zero) go to the hardware's flags; an argument that can flag none of them
// (`ordinary`) skips that, as nothing reads the inexact flag these functions raise.
template <class F>
TExtended InSoftware(F f, TExtended x, bool ordinary)
{
#if KELVORIN_EXTENDED_HARDWARE
    if (ordinary)
        return TExtended::FromBits(f(x.Bits()));
    const unsigned saved = SoftExtended::Flags;
    SoftExtended::Flags = 0;
    const TExtended result = TExtended::FromBits(f(x.Bits()));
    RaiseExtendedFlags(SoftExtended::Flags);
    SoftExtended::Flags = saved;
    return result;
#else
    (void)ordinary;
    return TExtended::FromBits(f(x.Bits()));
#endif
}

} // namespace

TExtended Log10(TExtended x)
{
    const TExtendedBits bits = x.Bits();
    return InSoftware(SoftExtended::Log10, x,
        !bits.Negative() && bits.Exponent() != kExtendedSpecialExponent && bits.Significand != 0);
}

TExtended ArcTan(TExtended x)
{
    return InSoftware(SoftExtended::ArcTan, x, x.Bits().Exponent() != kExtendedSpecialExponent);
}
