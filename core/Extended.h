#pragma once
// TExtended: the extended-precision number every computation between loads and stores
// runs in (a sign, a 15-bit exponent, a 64-bit significand with an explicit integer bit),
// rounding to nearest even at 64 bits, with the infinities, NaNs, denormals, signed zeros
// and exception flags of the x87 under its default control word.
//
// Where the compiler's long double is that very format (x86-64), the operations run on
// the hardware; everywhere else, and on x86-64 when KELVORIN_SOFT_EXTENDED is defined,
// they run in software (core/SoftExtended.h) and raise their flags into the software's
// flag word. The common logarithm and the arctangent run in software on both paths, so
// that they give the same bits on every machine.
#include "core/ExtendedBits.h"
#include "core/ExtendedFlags.h"
#include "core/SoftExtended.h"

#include <bit>
#include <cstdint>
#include <cstring>

class TExtended {
public:
    constexpr TExtended() = default;
    // Loading a double or an integer is exact.
    TExtended(double value);
    TExtended(int value) : TExtended(static_cast<std::int64_t>(value)) {}
    TExtended(std::int64_t value);
    TExtended(std::uint64_t value);

    static constexpr TExtended FromBits(TExtendedBits bits);
    TExtendedBits Bits() const;

    friend TExtended operator+(TExtended a, TExtended b);
    friend TExtended operator-(TExtended a, TExtended b);
    friend TExtended operator*(TExtended a, TExtended b);
    friend TExtended operator/(TExtended a, TExtended b);
    friend TExtended operator-(TExtended a);
    TExtended& operator+=(TExtended b) { return *this = *this + b; }
    TExtended& operator-=(TExtended b) { return *this = *this - b; }
    TExtended& operator*=(TExtended b) { return *this = *this * b; }
    TExtended& operator/=(TExtended b) { return *this = *this / b; }

    // False whenever a NaN takes part (!= true); == is quiet, the orderings raise invalid
    // for a NaN, as the hardware's comparisons do.
    friend bool operator==(TExtended a, TExtended b);
    friend bool operator<(TExtended a, TExtended b);
    friend bool operator<=(TExtended a, TExtended b);
    friend bool operator>(TExtended a, TExtended b) { return b < a; }
    friend bool operator>=(TExtended a, TExtended b) { return b <= a; }

    // Stored as a double, rounded to nearest even (overflow gives an infinity).
    double ToDouble() const;
    // Stored as a 64-bit integer rounded to nearest even, or cut toward zero; a NaN, an
    // infinity or a value out of range gives INT64_MIN with invalid.
    std::int64_t RoundToInt64() const;
    std::int64_t TruncToInt64() const;

    friend TExtended Sqrt(TExtended a);
    // The whole number toward zero from the value (the value itself from 2^63 up and
    // for infinities); a NaN gives a NaN, as from an addition.
    friend TExtended Trunc(TExtended a);
    friend TExtended Abs(TExtended a);
    friend bool SignBit(TExtended a);
    friend bool IsNaN(TExtended a);
    friend bool IsInfinite(TExtended a);
    friend bool IsFinite(TExtended a);

    // The value, computed before whatever follows reads the flags (the compiler may
    // not move the hardware's arithmetic past a flag test on its own).
    TExtended Settled() const;

private:
#if KELVORIN_EXTENDED_HARDWARE
    constexpr explicit TExtended(long double value, int) : FValue(value) {}
    long double FValue = 0;
#else
    constexpr explicit TExtended(TExtendedBits bits, int) : FBits(bits) {}
    TExtendedBits FBits;
#endif
};

// The common logarithm and the arctangent of x over 1 (within ±π/2), correctly rounded.
TExtended Log10(TExtended x);
TExtended ArcTan(TExtended x);

#if KELVORIN_EXTENDED_HARDWARE

namespace extended_internal {
// The 16 bytes of a long double: the 10 of the format, then padding.
struct TPadded {
    std::uint64_t Significand;
    std::uint16_t SignExponent;
    std::uint16_t Padding[3];
};
static_assert(sizeof(TPadded) == sizeof(long double));
} // namespace extended_internal

constexpr TExtended TExtended::FromBits(TExtendedBits bits)
{
    return TExtended(std::bit_cast<long double>(extended_internal::TPadded{bits.Significand, bits.SignExponent, {}}), 0);
}
inline TExtendedBits TExtended::Bits() const
{
    // Read from the value's memory as it lies, not through a fresh store of the register.
    TExtendedBits bits;
    std::memcpy(&bits.Significand, &FValue, sizeof bits.Significand);
    std::memcpy(&bits.SignExponent, reinterpret_cast<const char*>(&FValue) + sizeof bits.Significand, sizeof bits.SignExponent);
    return bits;
}
inline TExtended::TExtended(double value) : FValue(value) {}
inline TExtended::TExtended(std::int64_t value) : FValue(static_cast<long double>(value)) {}
inline TExtended::TExtended(std::uint64_t value) : FValue(static_cast<long double>(value)) {}
inline TExtended operator+(TExtended a, TExtended b) { return TExtended(a.FValue + b.FValue, 0); }
inline TExtended operator-(TExtended a, TExtended b) { return TExtended(a.FValue - b.FValue, 0); }
inline TExtended operator*(TExtended a, TExtended b) { return TExtended(a.FValue * b.FValue, 0); }
inline TExtended operator/(TExtended a, TExtended b) { return TExtended(a.FValue / b.FValue, 0); }
inline TExtended operator-(TExtended a) { return TExtended(-a.FValue, 0); }
inline bool operator==(TExtended a, TExtended b) { return a.FValue == b.FValue; }
inline bool operator<(TExtended a, TExtended b) { return a.FValue < b.FValue; }
inline bool operator<=(TExtended a, TExtended b) { return a.FValue <= b.FValue; }
inline double TExtended::ToDouble() const
{
    // The volatile store makes the rounding happen here, flags and all.
    const volatile double stored = static_cast<double>(FValue);
    return stored;
}
inline std::int64_t TExtended::RoundToInt64() const { return __builtin_llrintl(FValue); }
inline std::int64_t TExtended::TruncToInt64() const
{
    if (!(FValue >= -0x1p63L && FValue < 0x1p63L)) {
        RaiseExtendedFlags(efInvalid);
        return INT64_MIN;
    }
    return static_cast<std::int64_t>(FValue);
}
inline TExtended Sqrt(TExtended a) { return TExtended(__builtin_sqrtl(a.FValue), 0); }
inline TExtended Trunc(TExtended a) { return TExtended(__builtin_truncl(a.FValue), 0); }
inline TExtended Abs(TExtended a) { return TExtended(__builtin_fabsl(a.FValue), 0); }
inline bool SignBit(TExtended a) { return __builtin_signbit(a.FValue); }
inline bool IsNaN(TExtended a) { return __builtin_isnan(a.FValue); }
inline bool IsInfinite(TExtended a) { return __builtin_isinf(a.FValue); }
inline bool IsFinite(TExtended a) { return __builtin_isfinite(a.FValue); }
inline TExtended TExtended::Settled() const
{
    const volatile long double value = FValue;
    return TExtended(value, 0);
}

#else

constexpr TExtended TExtended::FromBits(TExtendedBits bits) { return TExtended(bits, 0); }
inline TExtendedBits TExtended::Bits() const { return FBits; }
inline TExtended::TExtended(double value) : FBits(SoftExtended::FromDouble(value)) {}
inline TExtended::TExtended(std::int64_t value) : FBits(SoftExtended::FromInt64(value)) {}
inline TExtended::TExtended(std::uint64_t value)
    : FBits(value >> 63 ? SoftExtended::Add(SoftExtended::FromInt64(static_cast<std::int64_t>(value >> 1)),
                              SoftExtended::FromInt64(static_cast<std::int64_t>((value >> 1) + (value & 1))))
                        : SoftExtended::FromInt64(static_cast<std::int64_t>(value)))
{
}
inline TExtended operator+(TExtended a, TExtended b) { return TExtended(SoftExtended::Add(a.FBits, b.FBits), 0); }
inline TExtended operator-(TExtended a, TExtended b) { return TExtended(SoftExtended::Subtract(a.FBits, b.FBits), 0); }
inline TExtended operator*(TExtended a, TExtended b) { return TExtended(SoftExtended::Multiply(a.FBits, b.FBits), 0); }
inline TExtended operator/(TExtended a, TExtended b) { return TExtended(SoftExtended::Divide(a.FBits, b.FBits), 0); }
inline TExtended operator-(TExtended a)
{
    a.FBits.SignExponent ^= 0x8000;
    return a;
}
inline bool operator==(TExtended a, TExtended b) { return SoftExtended::Compare(a.FBits, b.FBits, false) == SoftExtended::orEqual; }
inline bool operator<(TExtended a, TExtended b) { return SoftExtended::Compare(a.FBits, b.FBits, true) == SoftExtended::orLess; }
inline bool operator<=(TExtended a, TExtended b)
{
    const SoftExtended::TOrder order = SoftExtended::Compare(a.FBits, b.FBits, true);
    return order == SoftExtended::orLess || order == SoftExtended::orEqual;
}
inline double TExtended::ToDouble() const { return SoftExtended::ToDouble(FBits); }
inline std::int64_t TExtended::RoundToInt64() const { return SoftExtended::ToInt64(FBits, false); }
inline std::int64_t TExtended::TruncToInt64() const { return SoftExtended::ToInt64(FBits, true); }
inline TExtended Sqrt(TExtended a) { return TExtended(SoftExtended::Sqrt(a.FBits), 0); }
inline TExtended Trunc(TExtended a) { return TExtended(SoftExtended::Trunc(a.FBits), 0); }
inline TExtended Abs(TExtended a)
{
    a.FBits.SignExponent &= 0x7FFF;
    return a;
}
inline bool SignBit(TExtended a) { return a.FBits.Negative(); }
inline bool IsNaN(TExtended a)
{
    return a.FBits.Exponent() == kExtendedSpecialExponent && (a.FBits.Significand << 1) != 0;
}
inline bool IsInfinite(TExtended a)
{
    return a.FBits.Exponent() == kExtendedSpecialExponent && (a.FBits.Significand << 1) == 0;
}
inline bool IsFinite(TExtended a) { return a.FBits.Exponent() != kExtendedSpecialExponent; }
inline TExtended TExtended::Settled() const { return *this; }

#endif

// π and the largest finite value, as the hardware loads them.
inline constexpr TExtended kExtendedPi = TExtended::FromBits(MakeExtendedBits(false, kExtendedBias + 1, 0xC90FDAA22168C235));
inline constexpr TExtended kExtendedMax = TExtended::FromBits(MakeExtendedBits(false, kExtendedSpecialExponent - 1, ~std::uint64_t{0}));
