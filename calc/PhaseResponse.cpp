#include "calc/PhaseResponse.h"

#include "core/CheckedFloat.h"

#include <cmath>

namespace {
constexpr long double kPi = 3.141592653589793238462643383279502884L;
} // namespace

double PhaseShift(double rc, double cc, int n)
{
    return StoreDouble(CheckedEval([&] {
        const long double d = static_cast<long double>(rc) * cc * n;
        const long double x = 159.0L / d;
        // The two-argument form keeps the angle within ±π/2.
        const long double a = std::atan2(x, 1.0L);
        return a * 360.0L / kPi;
    }));
}
