#pragma once
// The software arithmetic's working form: a number split into its kind, its sign, a
// significand normalised to its top bit and an unbounded biased exponent, and the one
// rounding step every result goes through.
#include "core/SoftExtended.h"

#include <bit>

namespace SoftExtended {

__extension__ typedef unsigned __int128 TUint128;
__extension__ typedef __int128 TInt128;

enum TKind { kZero, kFinite, kInfinite, kQuietNaN, kSignalingNaN, kUnsupported };

struct TUnpacked {
    TKind Kind;
    bool Negative;
    int Exponent;              // biased, of the significand's top bit; below 1 for denormals
    std::uint64_t Significand; // top bit set for finite numbers
};

// The special encodings, zeros and denormals: Unpack's slow path.
TUnpacked UnpackSpecial(TExtendedBits a);

inline TUnpacked Unpack(TExtendedBits a)
{
    const int exponent = a.Exponent();
    if (static_cast<unsigned>(exponent - 1) < kExtendedSpecialExponent - 1 && (a.Significand & kIntegerBit)) [[likely]]
        return {kFinite, a.Negative(), exponent, a.Significand};
    return UnpackSpecial(a);
}

inline bool IsNaN(const TUnpacked& u) { return u.Kind == kQuietNaN || u.Kind == kSignalingNaN; }

// The value m × 2^(exponent − bias − 127), m with its top bit set, rounded to nearest
// even at 64 bits: overflow gives an infinity, a tiny result a denormal or zero, each
// with the flags the hardware raises.
TExtendedBits RoundPack(bool negative, int exponent, TUint128 m);

// As RoundPack for any nonzero m whose top bit stands at bit 127 − shift.
TExtendedBits NormalizeRoundPack(bool negative, int exponent, TUint128 m);

// m shifted right, with every bit shifted out ORed into the lowest one.
TUint128 ShiftRightSticky(TUint128 m, int shift);

inline int LeadingZeros(TUint128 m)
{
    const auto high = static_cast<std::uint64_t>(m >> 64);
    return high ? std::countl_zero(high) : 64 + std::countl_zero(static_cast<std::uint64_t>(m));
}

// The result of an operation with a NaN among its operands: of two NaNs the one with
// the larger significand (a quiet one before a signaling one); quieted, with invalid
// when a signaling NaN took part. Invalid encodings give the indefinite NaN.
TExtendedBits PropagateNaN(const TUnpacked& a, const TUnpacked& b);
TExtendedBits PropagateNaN(const TUnpacked& a);

// The indefinite NaN, with invalid.
TExtendedBits InvalidResult();

constexpr TExtendedBits Infinity(bool negative)
{
    return MakeExtendedBits(negative, kExtendedSpecialExponent, kIntegerBit);
}

constexpr TExtendedBits Zero(bool negative) { return MakeExtendedBits(negative, 0, 0); }

} // namespace SoftExtended
