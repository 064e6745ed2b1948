#pragma once
// The fields of an extended-precision number: a sign, a 15-bit biased exponent and a
// 64-bit significand whose top bit is the explicit integer bit. The layout is that of
// the 80-bit format in memory (significand first), so a hardware value can be read
// into it and back.
#include <cstdint>

struct TExtendedBits {
    std::uint64_t Significand = 0;
    std::uint16_t SignExponent = 0; // the sign in the top bit, the biased exponent below it

    constexpr bool Negative() const { return (SignExponent & 0x8000) != 0; }
    constexpr int Exponent() const { return SignExponent & 0x7FFF; }
};

constexpr int kExtendedBias = 16383;
constexpr int kExtendedSpecialExponent = 0x7FFF; // infinities and NaNs
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 62;

constexpr TExtendedBits MakeExtendedBits(bool negative, int exponent, std::uint64_t significand)
{
    return {significand, static_cast<std::uint16_t>((negative ? 0x8000 : 0) | exponent)};
}

// The invalid operation's default result, the negative quiet NaN "indefinite".
constexpr TExtendedBits kIndefinite = MakeExtendedBits(true, kExtendedSpecialExponent, kIntegerBit | kQuietBit);
