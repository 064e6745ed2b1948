// The software extended arithmetic against the x87 on seeded random operands, result
// bits and flags alike.
#include "tests/core/HardwareReference.h"

#include <gtest/gtest.h>

#if KELVORIN_HARDWARE_REFERENCE

#include <cmath>
#include <functional>
#include <string>

using namespace reference;

namespace {

constexpr long kCount = KELVORIN_EXACTNESS_COUNT;

struct TMismatches {
    std::string Operation;
    long Count = 0;
    void Add(const std::string& what)
    {
        if (++Count <= 5)
            ADD_FAILURE() << Operation << ": " << what;
    }
};

std::string Hex(TExtendedBits b)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04x:%016llx", b.SignExponent, static_cast<unsigned long long>(b.Significand));
    return text;
}

using TBinarySoft = TExtendedBits (*)(TExtendedBits, TExtendedBits);
using TBinaryHard = std::function<long double(long double, long double)>;

void CompareBinary(const char* name, TBinarySoft soft, const TBinaryHard& hard, std::uint64_t seed)
{
    TRandom random(seed);
    TMismatches mismatches{name};
    for (long i = 0; i < kCount; ++i) {
        const TExtendedBits a = RandomOperand(random);
        const TExtendedBits b = i % 3 == 0 ? NearOperand(a, random) : RandomOperand(random);
        SoftExtended::Flags = 0;
        const TExtendedBits s = soft(a, b);
        const unsigned softFlags = SoftExtended::Flags;
        std::feclearexcept(FE_ALL_EXCEPT);
        const volatile long double h = hard(ToLong(a), ToLong(b));
        const unsigned hardFlags = HardwareFlags();
        const TExtendedBits hb = FromLong(h);
        if (hb.Significand != s.Significand || hb.SignExponent != s.SignExponent || softFlags != hardFlags)
            mismatches.Add(Hex(a) + " " + Hex(b) + " gives " + Hex(s) + " flags " + std::to_string(softFlags)
                + ", the hardware " + Hex(hb) + " flags " + std::to_string(hardFlags));
    }
    EXPECT_EQ(mismatches.Count, 0) << name << " of " << kCount;
}

} // namespace

TEST(SoftExtended, ArithmeticMatchesTheHardwareBitForBit)
{
    CompareBinary("add", SoftExtended::Add, [](long double x, long double y) { return x + y; }, 1);
    CompareBinary("subtract", SoftExtended::Subtract, [](long double x, long double y) { return x - y; }, 2);
    CompareBinary("multiply", SoftExtended::Multiply, [](long double x, long double y) { return x * y; }, 3);
    CompareBinary("divide", SoftExtended::Divide, [](long double x, long double y) { return x / y; }, 4);
    CompareBinary("sqrt", [](TExtendedBits a, TExtendedBits) { return SoftExtended::Sqrt(a); },
        [](long double x, long double) { return __builtin_sqrtl(x); }, 5);
}

TEST(SoftExtended, ComparisonsAndConversionsMatchTheHardware)
{
    TRandom random(6);
    TMismatches mismatches{"comparison and conversion"};
    for (long i = 0; i < kCount; ++i) {
        const TExtendedBits a = RandomOperand(random);
        const TExtendedBits b = i % 3 == 0 ? NearOperand(a, random) : RandomOperand(random);
        const volatile long double x = ToLong(a), y = ToLong(b);

        for (const bool ordering : {false, true}) {
            SoftExtended::Flags = 0;
            const SoftExtended::TOrder order = SoftExtended::Compare(a, b, ordering);
            std::feclearexcept(FE_ALL_EXCEPT);
            const bool hard = ordering ? x < y : x == y;
            const bool soft = order == (ordering ? SoftExtended::orLess : SoftExtended::orEqual);
            if (soft != hard || SoftExtended::Flags != HardwareFlags())
                mismatches.Add("compare " + Hex(a) + " " + Hex(b));
        }

        SoftExtended::Flags = 0;
        const double soft = SoftExtended::ToDouble(a);
        std::feclearexcept(FE_ALL_EXCEPT);
        const volatile double hard = static_cast<double>(x);
        const double h = hard;
        if (std::memcmp(&soft, &h, sizeof soft) != 0 || SoftExtended::Flags != HardwareFlags())
            mismatches.Add("to double " + Hex(a));

        SoftExtended::Flags = 0;
        const std::int64_t nearest = SoftExtended::ToInt64(a, false);
        std::feclearexcept(FE_ALL_EXCEPT);
        const std::int64_t hardNearest = __builtin_llrintl(x);
        if (nearest != hardNearest || SoftExtended::Flags != HardwareFlags())
            mismatches.Add("to integer " + Hex(a));

        SoftExtended::Flags = 0;
        const TExtendedBits truncated = SoftExtended::Trunc(a);
        const unsigned truncatedFlags = SoftExtended::Flags;
        std::feclearexcept(FE_ALL_EXCEPT);
        const TExtendedBits hardTruncated = FromLong(__builtin_truncl(x));
        if (truncated.Significand != hardTruncated.Significand || truncated.SignExponent != hardTruncated.SignExponent
            || truncatedFlags != HardwareFlags())
            mismatches.Add("truncate " + Hex(a));

        const std::uint64_t bits = random();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        SoftExtended::Flags = 0;
        const TExtendedBits loaded = SoftExtended::FromDouble(d);
        std::feclearexcept(FE_ALL_EXCEPT);
        const volatile double vd = d;
        const TExtendedBits hardLoaded = FromLong(vd);
        if (loaded.Significand != hardLoaded.Significand || loaded.SignExponent != hardLoaded.SignExponent
            || SoftExtended::Flags != (HardwareFlags() & efInvalid))
            mismatches.Add("from double " + std::to_string(bits));

        const auto integer = static_cast<std::int64_t>(random() >> (random() % 64));
        const TExtendedBits fromInteger = SoftExtended::FromInt64(i % 2 ? integer : -integer);
        const TExtendedBits hardInteger = FromLong(static_cast<long double>(i % 2 ? integer : -integer));
        if (fromInteger.Significand != hardInteger.Significand || fromInteger.SignExponent != hardInteger.SignExponent)
            mismatches.Add("from integer " + std::to_string(integer));
    }
    EXPECT_EQ(mismatches.Count, 0);
}

TEST(SoftExtended, HandPickedEdges)
{
    const long double kEdges[] = {0.0L, -0.0L, 1.0L, -1.0L, 0.5L, 1.5L, 2.5L, -2.5L, 3.0L,
        0x1p-16382L, 0x1p-16445L, 0x1.fffffffffffffffep16383L, -0x1.fffffffffffffffep16383L,
        0x1.0000000000000001p0L, 0x1.fffffffffffffffep-1L, 0x1p63L, -0x1p63L, 0x1.fffffffffffffffep62L,
        9223372036854775807.5L, 0x1.00000000000008p0L, 0x1.00000000000018p0L, 0x1p-1074L, 0x1p-1075L,
        0x1.8p-1075L, 0x1.fffffffffffff8p1023L, 0x1.fffffffffffff7ffp1023L, __builtin_infl(), -__builtin_infl(),
        __builtin_nanl(""), -__builtin_nanl("5"), __builtin_nansl("3"), 0x1p-16383L, 0x1.8p-16383L};
    int failures = 0;
    for (const long double x : kEdges) {
        for (const long double y : kEdges) {
            const TExtendedBits a = FromLong(x), b = FromLong(y);
            const auto check = [&](const char* name, TExtendedBits s, long double h) {
                const TExtendedBits hb = FromLong(h);
                if ((hb.Significand != s.Significand || hb.SignExponent != s.SignExponent) && ++failures < 10)
                    ADD_FAILURE() << name << " " << Hex(a) << " " << Hex(b) << ": " << Hex(s) << " vs " << Hex(hb);
            };
            volatile long double vx = x, vy = y;
            check("+", SoftExtended::Add(a, b), vx + vy);
            check("-", SoftExtended::Subtract(a, b), vx - vy);
            check("*", SoftExtended::Multiply(a, b), vx * vy);
            check("/", SoftExtended::Divide(a, b), vx / vy);
        }
        volatile long double vx = x;
        const double d = SoftExtended::ToDouble(FromLong(x));
        const double hd = static_cast<double>(vx);
        EXPECT_EQ(std::memcmp(&d, &hd, sizeof d), 0) << Hex(FromLong(x));
        EXPECT_EQ(SoftExtended::ToInt64(FromLong(x), false), __builtin_llrintl(vx)) << Hex(FromLong(x));
        const TExtendedBits truncated = SoftExtended::Trunc(FromLong(x));
        const TExtendedBits hardTruncated = FromLong(__builtin_truncl(vx));
        EXPECT_EQ(truncated.Significand, hardTruncated.Significand) << Hex(FromLong(x));
        EXPECT_EQ(truncated.SignExponent, hardTruncated.SignExponent) << Hex(FromLong(x));
    }
}

#endif
