#pragma once
// Powers of ten in extended precision from three tables. The magnitude n of a power is
// split into 10^(n mod 32), 10^(32*((n div 32) mod 16)) and 10^(512*(n div 512)).
#include <cstdint>
#include <limits>

namespace numtext_internal {

inline constexpr long double kPowers1[32] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L,
    1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L,
    1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L,
};
// 10^(32*k) for k = 1 to 15.
inline constexpr long double kPowers32[15] = {
    1e32L,  1e64L,  1e96L,  1e128L, 1e160L, 1e192L, 1e224L, 1e256L,
    1e288L, 1e320L, 1e352L, 1e384L, 1e416L, 1e448L, 1e480L,
};
// 10^(512*k) for k = 1 to 9.
inline constexpr long double kPowers512[9] = {
    1e512L, 1e1024L, 1e1536L, 1e2048L, 1e2560L, 1e3072L, 1e3584L, 1e4096L, 1e4608L,
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
// each step rounded in the current rounding mode; beyond the extended range it is infinity.
inline long double PowerOfTen(std::uint64_t n)
{
    long double power = 1.0L;
    ForEachPowerFactor(n, [&](long double factor) { power *= factor; });
    return power;
}

// x scaled by 10^power, multiplying (positive power) or dividing (negative power) by each
// of the three factors in turn, so that no intermediate power leaves the extended range.
inline long double ScaleByPowerOfTen(long double x, std::int64_t power)
{
    if (power == 0)
        return x;
    const bool divide = power < 0;
    const std::uint64_t n = divide ? 0 - static_cast<std::uint64_t>(power) : power;
    if (n >= static_cast<std::uint64_t>(kPowerLimit))
        return divide ? 0.0L : x * std::numeric_limits<long double>::infinity();
    ForEachPowerFactor(n, [&](long double factor) { x = divide ? x / factor : x * factor; });
    return x;
}

} // namespace numtext_internal
