#include "core/Extended.h"

namespace {

// Runs a software function on x; on the hardware path its flags go to the hardware.
template <class F>
TExtended InSoftware(F f, TExtended x)
{
#if KELVORIN_EXTENDED_HARDWARE
    const unsigned saved = SoftExtended::Flags;
    SoftExtended::Flags = 0;
    const TExtended result = TExtended::FromBits(f(x.Bits()));
    const unsigned raised = SoftExtended::Flags;
    SoftExtended::Flags = saved;
    if (raised == efInexact) {
        // The common case, raised by an inexact division rather than by the slower
        // general route through the environment.
        volatile long double one = 1;
        one = one / 3;
    } else if (raised) {
        RaiseExtendedFlags(raised);
    }
    return result;
#else
    return TExtended::FromBits(f(x.Bits()));
#endif
}

} // namespace

TExtended Log10(TExtended x)
{
    return InSoftware(SoftExtended::Log10, x);
}

TExtended ArcTan(TExtended x)
{
    return InSoftware(SoftExtended::ArcTan, x);
}
