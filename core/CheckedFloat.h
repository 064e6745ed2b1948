#pragma once
// Extended-precision arithmetic with the floating-point errors raised as exceptions:
// invalid operation, division by zero and overflow become EInvalidOp, EZeroDivide
// and EOverflow. Detection reads the arithmetic's flags; traps stay off.
#include "core/Extended.h"
#include "core/MathErrors.h"

#include <cstdint>
#include <utility>

// Starts with the error flags clear and gives the caller's flags back on exit, so a
// computation is judged by its own flags only.
class TFloatErrorScope {
public:
    // Raises the error for the first of invalid, zero-divide, overflow that is flagged.
    void Check() const;

private:
    TExtendedFlagsHold FHold;
};

// Runs fn (a TExtended computation) and raises the error it flagged, if any.
template <class Fn>
auto CheckedEval(Fn&& fn)
{
    TFloatErrorScope scope;
    const auto result = std::forward<Fn>(fn)().Settled();
    scope.Check();
    return result;
}

// The value rounded to a double; a finite value beyond the double range raises EOverflow.
double StoreDouble(TExtended value);

// The value rounded to the nearest integer with ties to even; a value outside the
// 64-bit range, an infinity or a NaN raises EInvalidOp.
std::int64_t RoundToInt64(TExtended value);
