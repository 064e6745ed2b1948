#include "core/CheckedFloat.h"

#include <cmath>

void TFloatErrorScope::Check() const
{
    const unsigned flags = ExtendedFlags();
    if (flags & efInvalid)
        throw EInvalidOp();
    if (flags & efZeroDivide)
        throw EZeroDivide();
    if (flags & efOverflow)
        throw EOverflow();
}

double StoreDouble(TExtended value)
{
    const double stored = value.ToDouble();
    if (std::isinf(stored) && IsFinite(value))
        throw EOverflow();
    return stored;
}

std::int64_t RoundToInt64(TExtended value)
{
    TFloatErrorScope scope;
    const std::int64_t rounded = value.RoundToInt64();
    scope.Check(); // a NaN, an infinity or a value out of range is invalid
    return rounded;
}
