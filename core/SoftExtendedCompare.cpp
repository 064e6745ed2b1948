#include "core/SoftExtendedUnpacked.h"

#include <utility>

namespace SoftExtended {

TOrder Compare(TExtendedBits a, TExtendedBits b, bool ordering)
{
    const TUnpacked x = Unpack(a);
    const TUnpacked y = Unpack(b);
    if (x.Kind >= kQuietNaN || y.Kind >= kQuietNaN) {
        const auto signaling = [](const TUnpacked& u) { return u.Kind == kSignalingNaN || u.Kind == kUnsupported; };
        if (ordering || signaling(x) || signaling(y))
            Raise(efInvalid);
        return orUnordered;
    }
    if (x.Kind == kZero && y.Kind == kZero)
        return orEqual;
    if (x.Negative != y.Negative)
        return x.Kind == kZero ? (y.Negative ? orGreater : orLess) : (x.Negative ? orLess : orGreater);
    // Same sign: compare the magnitudes, a zero below everything else.
    const auto key = [](const TUnpacked& u) {
        const int exponent = u.Kind == kZero ? -1000 : u.Kind == kInfinite ? 1 << 20 : u.Exponent;
        return std::pair<int, std::uint64_t>(exponent, u.Significand);
    };
    const auto kx = key(x);
    const auto ky = key(y);
    if (kx == ky)
        return orEqual;
    return (kx < ky) != x.Negative ? orLess : orGreater;
}

} // namespace SoftExtended
