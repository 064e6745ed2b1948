#include "core/CheckedFloat.h"

#include <cmath>

void TFloatErrorScope::Check() const
{
    const int flags = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (flags & FE_INVALID)
        throw EInvalidOp();
    if (flags & FE_DIVBYZERO)
        throw EZeroDivide();
    if (flags & FE_OVERFLOW)
        throw EOverflow();
}

double StoreDouble(long double value)
{
    const volatile double stored = static_cast<double>(value);
    if (std::isinf(stored) && std::isfinite(value))
        throw EOverflow();
    return stored;
}

std::int64_t RoundToInt64(long double value)
{
    // 2^63 is exact in extended precision; everything in [-2^63, 2^63) fits.
    constexpr long double kLimit = 9223372036854775808.0L;
    if (!std::isfinite(value))
        throw EInvalidOp();
    const long double rounded = std::nearbyintl(value); // rounding to nearest, ties to even
    if (rounded >= kLimit || rounded < -kLimit)
        throw EInvalidOp();
    return static_cast<std::int64_t>(rounded);
}
