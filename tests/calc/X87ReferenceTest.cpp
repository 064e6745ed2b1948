// Every stored value of the sweep and the phase response against a reference built
// from the x87 instructions themselves, bit for bit: a step done in double instead of
// extended precision, or in another order, changes some of these bits.
// They need the hardware, and run only where long double is the x87 format.
#if defined(__x86_64__) && __LDBL_MANT_DIG__ == 64
#include "calc/CapacitorSweep.h"
#include "calc/PhaseResponse.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

long double X87Log10(long double x)
{
    long double r;
    asm("fldlg2\n\tfxch\n\tfyl2x" : "=t"(r) : "0"(x)); // log10(2) · log2(x)
    return r;
}

long double X87Sqrt(long double x)
{
    long double r;
    asm("fsqrt" : "=t"(r) : "0"(x));
    return r;
}

long double X87Atan(long double x)
{
    long double r;
    asm("fld1\n\tfpatan" : "=t"(r) : "0"(x)); // arctangent of x over 1
    return r;
}

long double X87Pi()
{
    long double r;
    asm("fldpi" : "=t"(r));
    return r;
}

::testing::AssertionResult SameBits(double actual, double expected)
{
    if (std::memcmp(&actual, &expected, sizeof actual) == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hexfloat << actual << " is not " << expected;
}

} // namespace

TEST(X87Reference, EverySweepRowMatchesTheExtendedPrecisionSteps)
{
    const TSweepInputs cases[] = {
        {220, 50, 0.0001, 1.0001, 1.025},
        {470, 20, 0.003, 1.001, 1.9},
        {1000, 5, 0.5, 1.25, 40},
    };
    for (const TSweepInputs& in : cases) {
        double mn = in.From;
        for (const TSweepRow& row : CalcSweepRows(in)) {
            ASSERT_TRUE(SameBits(row.Mn, mn));
            const long double mnx = row.Mn;
            EXPECT_TRUE(SameBits(row.Attenuation, static_cast<double>(20.0L * X87Log10(mnx)))) << "Мн " << row.Mn;
            const long double s = X87Sqrt(mnx * mnx - 1.0L);
            const long double d = static_cast<long double>(in.F) * in.Rc;
            EXPECT_TRUE(SameBits(row.Capacitance, static_cast<double>(159.0L / (s * d)))) << "Мн " << row.Mn;
            mn = static_cast<double>(static_cast<long double>(mn) + in.Step);
        }
    }
}

TEST(X87Reference, EveryPhasePointMatchesTheExtendedPrecisionSteps)
{
    const struct {
        double rc, cc;
    } cases[] = {{220, 1.0221}, {220, 0.0642}, {-220, 0.4571}, {1e-3, 1e5}, {470, 1e-4}};
    for (const auto& c : cases)
        for (int n = 1; n <= kPhasePoints; ++n) {
            const long double d = static_cast<long double>(c.rc) * c.cc * n;
            const long double a = X87Atan(159.0L / d);
            EXPECT_TRUE(SameBits(PhaseShift(c.rc, c.cc, n), static_cast<double>(a * 360.0L / X87Pi())))
                << "Rc " << c.rc << " Сс " << c.cc << " n " << n;
        }
}
#endif
