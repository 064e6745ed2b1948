#include "core/SoftExtendedUnpacked.h"

#include <cmath>

namespace SoftExtended {

namespace {

// The integer square root of n (at least 2^126): a double estimate, one Newton step,
// then the last unit settled exactly.
std::uint64_t IntegerSqrt(TUint128 n)
{
    const double estimate = std::sqrt(static_cast<double>(n));
    TUint128 r = estimate >= 0x1p64 ? ~std::uint64_t{0} : static_cast<std::uint64_t>(estimate);
    r = (r + n / r) >> 1;
    if (r >> 64)
        r = ~std::uint64_t{0};
    auto root = static_cast<std::uint64_t>(r);
    while (static_cast<TUint128>(root) * root > n)
        --root;
    while (root != ~std::uint64_t{0} && static_cast<TUint128>(root + 1) * (root + 1) <= n)
        ++root;
    return root;
}

} // namespace

TExtendedBits Sqrt(TExtendedBits a)
{
    const TUnpacked x = Unpack(a);
    if (x.Kind >= kQuietNaN)
        return PropagateNaN(x);
    if (x.Kind == kZero)
        return a; // the square root of −0 is −0
    if (x.Negative)
        return InvalidResult();
    if (x.Kind == kInfinite)
        return a;

    // x = n × 2^(2h) with n of 127 or 128 bits, so that its root has 64 bits.
    const int unbiased = x.Exponent - kExtendedBias;
    const int shift = ((unbiased - 63) & 1) ? 63 : 64;
    const TUint128 n = static_cast<TUint128>(x.Significand) << shift;
    const int half = (unbiased - 63 - shift) / 2;
    const std::uint64_t root = IntegerSqrt(n);
    const TUint128 rest = n - static_cast<TUint128>(root) * root;
    // A square root never lies halfway: above the root by more than half a unit exactly
    // when the remainder exceeds the root.
    const TUint128 below = rest > root ? (TUint128{1} << 63) | 1 : TUint128{rest != 0};
    return RoundPack(false, half + kExtendedBias + 63, (static_cast<TUint128>(root) << 64) | below);
}

} // namespace SoftExtended
