#pragma once
// a·b/c with a 64-bit intermediate product, rounded to the nearest integer with
// halves away from zero, as the platform's MulDiv does; −1 when c is 0 or the
// result does not fit in 32 bits.
#include <cstdint>
#include <limits>

constexpr int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t divisor = c;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const std::int64_t half = divisor / 2;
    const std::int64_t result = product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(result);
}
