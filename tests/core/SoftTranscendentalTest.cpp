// The software common logarithm and arctangent: correctly rounded against a 113-bit
// evaluation, compared with what the hardware library gives, and the doubles the
// program stores from them (20·log10 Мн, arctan(x)·360/π).
#include "tests/core/HardwareReference.h"

#include <gtest/gtest.h>

#if KELVORIN_HARDWARE_REFERENCE

#include <cmath>
#include <cstdio>
#include <quadmath.h>

using namespace reference;

namespace {

constexpr long kCount = KELVORIN_EXACTNESS_COUNT;

struct TTally {
    long Wrong = 0;          // software not correctly rounded
    long Undecided = 0;      // the 113-bit value too close to a midpoint to judge
    long Differ64 = 0;       // hardware and software differ at 64 bits
    long DifferStored = 0;   // ... and in the stored double
    long HardwareRight = 0;  // of those, the hardware's stored double is the nearer
};

// The 64-bit rounding of q, or nothing when q lies within a few 113-bit units of a
// midpoint between two 64-bit values.
bool Rounded64(__float128 q, long double& rounded)
{
    rounded = static_cast<long double>(q);
    const long double other = q > rounded ? nextafterl(rounded, __builtin_infl()) : nextafterl(rounded, -__builtin_infl());
    const __float128 midpoint = (static_cast<__float128>(rounded) + other) / 2;
    return fabsq(q - midpoint) > fabsq(q) * ldexpq(1, -108);
}

// Compares one argument; stored(x64) is the double the program stores from the result.
template <class Stored>
void Judge(long double x, TExtendedBits soft, long double hard, __float128 exact, __float128 exactStored,
    Stored stored, TTally& tally, const char* name)
{
    long double correct;
    if (!Rounded64(exact, correct)) {
        ++tally.Undecided;
        return;
    }
    const long double s = ToLong(soft);
    if (s != correct && ++tally.Wrong <= 5)
        ADD_FAILURE() << name << " of " << static_cast<double>(x) << " is not correctly rounded";
    if (s == hard)
        return;
    ++tally.Differ64;
    const double ds = stored(s), dh = stored(hard);
    if (ds == dh)
        return;
    ++tally.DifferStored;
    const bool hardwareRight = fabsq(exactStored - dh) < fabsq(exactStored - ds);
    tally.HardwareRight += hardwareRight;
    if (tally.DifferStored <= 10) {
        char text[64];
        quadmath_snprintf(text, sizeof text, "%.36Qg", exactStored);
        std::printf("%s: argument %La, exact %s, stored software %a, hardware %a, %s is nearer\n", name, x, text,
            ds, dh, hardwareRight ? "hardware" : "software");
    }
}

void Report(const char* name, const TTally& t)
{
    std::printf("%s: %ld arguments, %ld undecided, %ld differ from the hardware at 64 bits, %ld in the stored "
                "double (the hardware nearer in %ld)\n",
        name, kCount, t.Undecided, t.Differ64, t.DifferStored, t.HardwareRight);
    EXPECT_EQ(t.Wrong, 0) << name;
}

} // namespace

TEST(SoftTranscendental, Log10IsCorrectlyRoundedOnOneToAMillion)
{
    TRandom random(11);
    TTally tally;
    for (long i = 0; i < kCount; ++i) {
        // Half doubles (the program's Мн), half full 64-bit significands; uniform and
        // logarithmic spreads.
        long double x = i % 4 < 2 ? 1 + random.Unit() * (1e6 - 1) : std::exp(random.Unit() * std::log(1e6));
        if (i % 8 == 7)
            x = 1 + random.Unit() * 0.03;
        if (i % 2)
            x = ToLong(MakeExtendedBits(false, FromLong(x).Exponent(), FromLong(x).Significand ^ (random() & 0x7FF)));
        if (x < 1)
            continue;
        SoftExtended::Flags = 0;
        const TExtendedBits soft = SoftExtended::Log10(FromLong(x));
        const long double hard = log10l(x);
        const __float128 exact = log10q(static_cast<__float128>(x));
        Judge(x, soft, hard, exact, 20 * exact, [](long double v) { return static_cast<double>(20.0L * v); },
            tally, "log10");
    }
    Report("log10", tally);
}

TEST(SoftTranscendental, ArcTanIsCorrectlyRoundedUpToABillion)
{
    TRandom random(12);
    TTally tally;
    const long double pi = ToLong(MakeExtendedBits(false, kExtendedBias + 1, 0xC90FDAA22168C235));
    for (long i = 0; i < kCount; ++i) {
        long double x = i % 2 ? random.Unit() * 1e9 : std::exp((random.Unit() * 2 - 1) * std::log(1e9));
        if (i % 4 == 3)
            x = ToLong(MakeExtendedBits(false, FromLong(x).Exponent(), FromLong(x).Significand ^ (random() & 0x7FF)));
        if (!(x > 0) || x > 1e9L)
            continue;
        const TExtendedBits soft = SoftExtended::ArcTan(FromLong(x));
        const long double hard = atan2l(x, 1.0L);
        const __float128 exact = atanq(static_cast<__float128>(x));
        Judge(x, soft, hard, exact, exact * 360 / acosq(-1),
            [pi](long double v) { return static_cast<double>(v * 360.0L / pi); }, tally, "arctan");
    }
    Report("arctan", tally);
}

TEST(SoftTranscendental, SpecialArgumentsFlagAsTheLibraryDoes)
{
    const long double arguments[] = {0.0L, -0.0L, -1.0L, __builtin_infl(), -__builtin_infl(), __builtin_nanl(""),
        1.0L, 10.0L, 1e27L};
    for (const long double x : arguments) {
        SoftExtended::Flags = 0;
        const TExtendedBits soft = SoftExtended::Log10(FromLong(x));
        std::feclearexcept(FE_ALL_EXCEPT);
        const volatile long double hard = log10l(x);
        const unsigned errors = efInvalid | efZeroDivide | efOverflow;
        EXPECT_EQ(SoftExtended::Flags & errors, HardwareFlags() & errors) << static_cast<double>(x);
        const TExtendedBits hardBits = FromLong(hard);
        if (x != 10.0L && x != 1e27L) { // there the library is a unit off the exact integer
            EXPECT_EQ(soft.SignExponent, hardBits.SignExponent) << static_cast<double>(x);
            EXPECT_EQ(soft.Significand, hardBits.Significand) << static_cast<double>(x);
        }
        SoftExtended::Flags = 0;
        const TExtendedBits softAtan = SoftExtended::ArcTan(FromLong(x));
        std::feclearexcept(FE_ALL_EXCEPT);
        const volatile long double hardAtan = atan2l(x, 1.0L);
        EXPECT_EQ(SoftExtended::Flags & errors, HardwareFlags() & errors) << static_cast<double>(x);
        const TExtendedBits hardAtanBits = FromLong(hardAtan);
        EXPECT_EQ(softAtan.SignExponent, hardAtanBits.SignExponent) << static_cast<double>(x);
        EXPECT_EQ(softAtan.Significand, hardAtanBits.Significand) << static_cast<double>(x);
    }
}

#endif
