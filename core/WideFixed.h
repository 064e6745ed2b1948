#pragma once
// A 256-bit two's-complement fixed-point number with 224 fraction bits (range ±2^31):
// the wide arithmetic that settles what 128 bits leave undecided, and that computes the
// tables of the faster evaluations once.
#include "core/SoftExtendedUnpacked.h"

#include <array>

namespace SoftExtended {

struct TWideFixed {
    static constexpr int kFractionBits = 224;
    std::array<std::uint64_t, 4> Limbs{}; // least significant first

    // significand × 2^exponent, bits below 2^-224 cut off.
    static TWideFixed FromScaled(std::uint64_t significand, int exponent);
    static TWideFixed FromInt(std::int64_t value);

    bool Negative() const { return Limbs[3] >> 63; }
    friend TWideFixed operator+(const TWideFixed& a, const TWideFixed& b);
    friend TWideFixed operator-(const TWideFixed& a);
    friend TWideFixed operator-(const TWideFixed& a, const TWideFixed& b) { return a + -b; }
    friend TWideFixed operator*(const TWideFixed& a, const TWideFixed& b);
    friend TWideFixed operator*(const TWideFixed& a, std::uint64_t k);
    friend TWideFixed operator/(const TWideFixed& a, std::uint64_t k);

    // 1/a for a positive a between 2^-31 and 2^31.
    TWideFixed Reciprocal() const;
    // The value times 2^scale, rounded to an integer (it must fit 127 bits).
    TInt128 Scaled(int scale) const;
    double ToDouble() const;
};

// The natural logarithm of a positive finite number, and that of 2 and 10.
TWideFixed WideLn(const TUnpacked& x);
const TWideFixed& WideLn2();
const TWideFixed& WideLn10();

// arctan(y) for 0 ≤ y ≤ 1 given as a wide number, and π/4.
TWideFixed WideArcTan(const TWideFixed& y);
const TWideFixed& WideQuarterPi();

// The wide value rounded to an extended number: the sum of the wide arithmetic's
// errors lies far below any boundary an extended rounding can hit.
TExtendedBits WideRound(const TWideFixed& value);

// The 256-bit product of two 128-bit magnitudes, shifted right: (a · b) >> shift, for
// a shift between 1 and 255 whose result fits 128 bits.
inline TUint128 MulShift(TUint128 a, TUint128 b, int shift)
{
    const auto a0 = static_cast<std::uint64_t>(a), a1 = static_cast<std::uint64_t>(a >> 64);
    const auto b0 = static_cast<std::uint64_t>(b), b1 = static_cast<std::uint64_t>(b >> 64);
    const TUint128 low = static_cast<TUint128>(a0) * b0;
    const TUint128 mid1 = static_cast<TUint128>(a0) * b1;
    const TUint128 mid2 = static_cast<TUint128>(a1) * b0;
    const TUint128 midSum = (low >> 64) + static_cast<std::uint64_t>(mid1) + static_cast<std::uint64_t>(mid2);
    const TUint128 upper = static_cast<TUint128>(a1) * b1 + (mid1 >> 64) + (mid2 >> 64) + (midSum >> 64);
    if (shift >= 128)
        return upper >> (shift - 128);
    const TUint128 lower = (midSum << 64) | static_cast<std::uint64_t>(low);
    return (upper << (128 - shift)) | (lower >> shift);
}

// The same for signed factors.
inline TInt128 MulShiftSigned(TInt128 a, TInt128 b, int shift)
{
    const bool negative = (a < 0) != (b < 0);
    const TUint128 m = MulShift(a < 0 ? -static_cast<TUint128>(a) : a, b < 0 ? -static_cast<TUint128>(b) : b, shift);
    return negative ? -static_cast<TInt128>(m) : static_cast<TInt128>(m);
}

} // namespace SoftExtended
