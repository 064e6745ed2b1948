#pragma once
// Extended-precision arithmetic with the floating-point errors raised as exceptions:
// invalid operation, division by zero and overflow become EInvalidOp, EZeroDivide
// and EOverflow. Detection reads the status flags; hardware traps stay off.
#include "core/MathErrors.h"

#include <cfenv>
#include <cstdint>
#include <utility>

// Clears the three error flags on entry and restores the caller's whole
// floating-point state on exit, so a computation is judged by its own flags only.
class TFloatErrorScope {
public:
    TFloatErrorScope() { std::feholdexcept(&FSaved); }
    ~TFloatErrorScope() { std::fesetenv(&FSaved); }
    TFloatErrorScope(const TFloatErrorScope&) = delete;
    TFloatErrorScope& operator=(const TFloatErrorScope&) = delete;

    // Raises the error for the first of invalid, zero-divide, overflow that is flagged.
    void Check() const;

private:
    std::fenv_t FSaved;
};

// Runs fn (a long double computation) and raises the error it flagged, if any.
template <class Fn>
auto CheckedEval(Fn&& fn)
{
    TFloatErrorScope scope;
    // The volatile store keeps the computation before the flag test.
    volatile auto result = std::forward<Fn>(fn)();
    scope.Check();
    return static_cast<decltype(fn())>(result);
}

// The value rounded to a double; a finite value beyond the double range raises EOverflow.
double StoreDouble(long double value);

// The value rounded to the nearest integer with ties to even; a value outside the
// 64-bit range, an infinity or a NaN raises EInvalidOp.
std::int64_t RoundToInt64(long double value);
