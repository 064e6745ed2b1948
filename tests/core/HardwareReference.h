#pragma once
// The x87 itself as the reference for the software arithmetic: conversions between the
// bit fields and long double, the hardware's flags, and seeded random operands.
#if defined(__x86_64__) && __LDBL_MANT_DIG__ == 64
#define KELVORIN_HARDWARE_REFERENCE 1
#include "core/SoftExtended.h"

#include <cfenv>
#include <cstdint>
#include <cstring>
#include <utility>

namespace reference {

inline long double ToLong(TExtendedBits bits)
{
    long double value = 0;
    std::memcpy(&value, &bits.Significand, sizeof bits.Significand);
    std::memcpy(reinterpret_cast<char*>(&value) + 8, &bits.SignExponent, sizeof bits.SignExponent);
    return value;
}

inline TExtendedBits FromLong(long double value)
{
    TExtendedBits bits;
    std::memcpy(&bits.Significand, &value, sizeof bits.Significand);
    std::memcpy(&bits.SignExponent, reinterpret_cast<const char*>(&value) + 8, sizeof bits.SignExponent);
    return bits;
}

inline unsigned HardwareFlags()
{
    const int raised = std::fetestexcept(FE_ALL_EXCEPT);
    unsigned flags = 0;
    for (const auto& [hardware, flag] : {std::pair<int, unsigned>{FE_INVALID, efInvalid}, {FE_DIVBYZERO, efZeroDivide},
             {FE_OVERFLOW, efOverflow}, {FE_UNDERFLOW, efUnderflow}, {FE_INEXACT, efInexact}})
        if (raised & hardware)
            flags |= flag;
    return flags;
}

// splitmix64: a fixed seed gives the same operands on every run.
class TRandom {
public:
    explicit TRandom(std::uint64_t seed) : FState(seed) {}
    std::uint64_t operator()()
    {
        std::uint64_t z = (FState += 0x9E3779B97F4A7C15);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
        return z ^ (z >> 31);
    }
    double Unit() { return static_cast<double>((*this)() >> 11) * 0x1p-53; }

private:
    std::uint64_t FState;
};

// An operand over the whole format: mostly ordinary magnitudes, often the ends of the
// exponent range, denormals, short significands (ties) and the special values.
inline TExtendedBits RandomOperand(TRandom& random)
{
    const std::uint64_t r = random();
    const bool negative = r & 1;
    std::uint64_t significand = random() | kIntegerBit;
    if ((r >> 8) % 4 == 0) // few significant bits: exact results and ties
        significand &= ~std::uint64_t{0} << (r >> 16) % 64;
    int exponent;
    switch ((r >> 1) % 16) {
    case 0: {
        const TExtendedBits specials[] = {MakeExtendedBits(negative, 0, 0),
            MakeExtendedBits(negative, kExtendedSpecialExponent, kIntegerBit),
            MakeExtendedBits(negative, kExtendedSpecialExponent, significand | kQuietBit),
            MakeExtendedBits(negative, kExtendedSpecialExponent, (significand & ~kQuietBit) | 1),
            MakeExtendedBits(negative, kExtendedSpecialExponent - 1, ~std::uint64_t{0}),
            MakeExtendedBits(negative, 1, kIntegerBit), MakeExtendedBits(negative, 0, 1)};
        return specials[(r >> 20) % 7];
    }
    case 1:
        return MakeExtendedBits(negative, 0, significand >> (1 + (r >> 24) % 63)); // denormal
    case 2:
    case 3:
        exponent = 1 + static_cast<int>((r >> 24) % 100);
        break;
    case 4:
    case 5:
        exponent = kExtendedSpecialExponent - 1 - static_cast<int>((r >> 24) % 100);
        break;
    default:
        exponent = kExtendedBias - 80 + static_cast<int>((r >> 24) % 160);
    }
    return MakeExtendedBits(negative, exponent, significand);
}

// An operand close to a: a nearby exponent and a few low bits changed, for cancellation.
inline TExtendedBits NearOperand(TExtendedBits a, TRandom& random)
{
    const std::uint64_t r = random();
    const int exponent = a.Exponent() + static_cast<int>(r % 5) - 2;
    if (exponent <= 0 || exponent >= kExtendedSpecialExponent)
        return a;
    return MakeExtendedBits((r >> 3) & 1, exponent, (a.Significand ^ (random() >> (r >> 8) % 64)) | kIntegerBit);
}

} // namespace reference
#endif
