#include "calc/CapacitorEffect.h"

#include "calc/CapacitorSweep.h"
#include "calc/PhaseResponse.h"
#include "core/CheckedFloat.h"

double CapacitanceMn(double c, double f, double rc)
{
    return StoreDouble(CheckedEval([&] {
        const TExtended x = TExtended(159) / (TExtended(c) * f * rc);
        return Sqrt(TExtended(1) + x * x);
    }));
}

double FrequencyForMn(double mn, double c, double rc)
{
    return StoreDouble(CheckedEval([&] {
        const TExtended s = Sqrt(TExtended(mn) * mn - TExtended(1));
        return TExtended(159) / (s * rc * c);
    }));
}

TCapacitorEffect CapacitorEffect(double c, double rowMn, double f, double rc)
{
    const double mn = CapacitanceMn(c, f, rc);
    return {mn, SweepAttenuation(mn), PhaseShift(rc, c, f), FrequencyForMn(rowMn, c, rc)};
}
