#pragma once
// Extended-precision arithmetic in software, on the bit fields alone: it behaves as the
// x87 with its default control word (round to nearest even at 64 bits; the same
// infinities, NaNs, denormals and signed zeros; the same flags, raised into
// SoftExtended::Flags) and needs only 64- and 128-bit integers. Always built, so that
// it can be checked against the hardware where there is one.
#include "core/ExtendedBits.h"
#include "core/ExtendedFlags.h"

namespace SoftExtended {

TExtendedBits Add(TExtendedBits a, TExtendedBits b);
TExtendedBits Subtract(TExtendedBits a, TExtendedBits b);
TExtendedBits Multiply(TExtendedBits a, TExtendedBits b);
TExtendedBits Divide(TExtendedBits a, TExtendedBits b);
TExtendedBits Sqrt(TExtendedBits a);

// Unordered when either is a NaN. The equality test is quiet (invalid only for a
// signaling NaN); the ordering tests (<, <=, >, >=) signal invalid for any NaN.
enum TOrder { orLess, orEqual, orGreater, orUnordered };
TOrder Compare(TExtendedBits a, TExtendedBits b, bool ordering);

// Loading a double is exact (a signaling NaN is quieted, with invalid); storing one
// rounds to nearest even, with overflow, underflow and inexact.
TExtendedBits FromDouble(double value);
double ToDouble(TExtendedBits a);

// Integers load exactly. Storing one rounds to nearest even or cuts toward zero; a NaN,
// an infinity or a value outside the 64-bit range gives the integer indefinite
// (INT64_MIN) with invalid.
TExtendedBits FromInt64(std::int64_t value);
std::int64_t ToInt64(TExtendedBits a, bool truncate);
// The whole number toward zero, inexact when a fraction is dropped; an infinity stays,
// a NaN propagates as through an addition.
TExtendedBits Trunc(TExtendedBits a);

// The common logarithm and the arctangent (of x over 1, within ±π/2), correctly rounded:
// evaluated with 128-bit integers, and again with wider ones when the first result lies
// too close to a rounding boundary to decide it.
TExtendedBits Log10(TExtendedBits a);
TExtendedBits ArcTan(TExtendedBits a);

} // namespace SoftExtended
