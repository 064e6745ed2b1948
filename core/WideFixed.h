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

// The 256-bit product of two 128-bit magnitudes, shifted right (a · b) >> shift.
TUint128 MulShift(TUint128 a, TUint128 b, int shift);
// The same for signed factors.
TInt128 MulShiftSigned(TInt128 a, TInt128 b, int shift);

} // namespace SoftExtended
