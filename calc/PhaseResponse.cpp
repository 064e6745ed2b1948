#include "calc/PhaseResponse.h"

#include "core/CheckedFloat.h"

double PhaseShift(double rc, double cc, double f)
{
    return StoreDouble(CheckedEval([&] {
        const TExtended d = TExtended(rc) * cc * f;
        const TExtended x = TExtended(159) / d;
        // The arctangent of x over 1, within ±π/2.
        const TExtended a = ArcTan(x);
        return a * TExtended(360) / kExtendedPi;
    }));
}
