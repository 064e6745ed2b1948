#pragma once
// Powers of ten in extended precision from three tables. The magnitude n of a power is
// split into 10^(n mod 32), 10^(32*((n div 32) mod 16)) and 10^(512*(n div 512)).
// Each entry is the power correctly rounded to 64 bits, given by its fields.
#include "core/Extended.h"

#include <cstdint>

namespace numtext_internal {

constexpr TExtended P(int exponent, std::uint64_t significand)
{
    return TExtended::FromBits(MakeExtendedBits(false, exponent, significand));
}

// 10^0 to 10^31 (exact up to 10^27).
inline constexpr TExtended kPowers1[32] = {
    P(16383, 0x8000000000000000), P(16386, 0xA000000000000000),
    P(16389, 0xC800000000000000), P(16392, 0xFA00000000000000),
    P(16396, 0x9C40000000000000), P(16399, 0xC350000000000000),
    P(16402, 0xF424000000000000), P(16406, 0x9896800000000000),
    P(16409, 0xBEBC200000000000), P(16412, 0xEE6B280000000000),
    P(16416, 0x9502F90000000000), P(16419, 0xBA43B74000000000),
    P(16422, 0xE8D4A51000000000), P(16426, 0x9184E72A00000000),
    P(16429, 0xB5E620F480000000), P(16432, 0xE35FA931A0000000),
    P(16436, 0x8E1BC9BF04000000), P(16439, 0xB1A2BC2EC5000000),
    P(16442, 0xDE0B6B3A76400000), P(16446, 0x8AC7230489E80000),
    P(16449, 0xAD78EBC5AC620000), P(16452, 0xD8D726B7177A8000),
    P(16456, 0x878678326EAC9000), P(16459, 0xA968163F0A57B400),
    P(16462, 0xD3C21BCECCEDA100), P(16466, 0x84595161401484A0),
    P(16469, 0xA56FA5B99019A5C8), P(16472, 0xCECB8F27F4200F3A),
    P(16476, 0x813F3978F8940984), P(16479, 0xA18F07D736B90BE5),
    P(16482, 0xC9F2C9CD04674EDF), P(16485, 0xFC6F7C4045812296)
};
// 10^(32*k) for k = 1 to 15.
inline constexpr TExtended kPowers32[15] = {
    P(16489, 0x9DC5ADA82B70B59E), P(16595, 0xC2781F49FFCFA6D5),
    P(16701, 0xEFB3AB16C59B14A3), P(16808, 0x93BA47C980E98CE0),
    P(16914, 0xB616A12B7FE617AA), P(17020, 0xE070F78D3927556B),
    P(17127, 0x8A5296FFE33CC930), P(17233, 0xAA7EEBFB9DF9DE8E),
    P(17339, 0xD226FC195C6A2F8C), P(17446, 0x81842F29F2CCE376),
    P(17552, 0x9FA42700DB900AD2), P(17658, 0xC4C5E310AEF8AA17),
    P(17764, 0xF28A9C07E9B09C59), P(17871, 0x957A4AE1EBF7F3D4),
    P(17977, 0xB83ED8DC0795A262)
};
// 10^(512*k) for k = 1 to 9.
inline constexpr TExtended kPowers512[9] = {
    P(18083, 0xE319A0AEA60E91C7), P(19784, 0xC976758681750C17),
    P(21485, 0xB2B8353B3993A7E4), P(23186, 0x9E8B3B5DC53D5DE5),
    P(24887, 0x8CA554C020A1F0A6), P(26587, 0xF9895D25D88B5A8B),
    P(28288, 0xDD5DC8A2BF27F3F8), P(29989, 0xC46052028A20979B),
    P(31690, 0xAE3511626ED559F0)
};

// Powers whose magnitude reaches this lie beyond the tables: a negative one gives zero,
// a positive one infinity (neither conversion ever asks for a positive one).
inline constexpr std::int64_t kPowerLimit = 5120;

// Calls f with each factor of 10^n for n below kPowerLimit, the smallest first.
template <class F>
void ForEachPowerFactor(std::uint64_t n, F f)
{
    f(kPowers1[n % 32]);
    if (const std::uint64_t k = (n / 32) % 16)
        f(kPowers32[k - 1]);
    if (const std::uint64_t k = n / 512)
        f(kPowers512[k - 1]);
}

// 10^n for n below kPowerLimit: the three factors multiplied together from the smallest,
// each step rounded; beyond the extended range it is infinity.
inline TExtended PowerOfTen(std::uint64_t n)
{
    TExtended power = 1;
    ForEachPowerFactor(n, [&](TExtended factor) { power *= factor; });
    return power;
}

// x scaled by 10^power, multiplying (positive power) or dividing (negative power) by each
// of the three factors in turn, so that no intermediate power leaves the extended range.
inline TExtended ScaleByPowerOfTen(TExtended x, std::int64_t power)
{
    if (power == 0)
        return x;
    const bool divide = power < 0;
    const std::uint64_t n = divide ? 0 - static_cast<std::uint64_t>(power) : power;
    if (n >= static_cast<std::uint64_t>(kPowerLimit))
        return divide ? TExtended(0) : x * TExtended::FromBits(MakeExtendedBits(false, kExtendedSpecialExponent, kIntegerBit));
    ForEachPowerFactor(n, [&](TExtended factor) { x = divide ? x / factor : x * factor; });
    return x;
}

} // namespace numtext_internal
