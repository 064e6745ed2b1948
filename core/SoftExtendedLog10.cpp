#include "core/WideFixed.h"

#include <array>
#include <cmath>

namespace SoftExtended {

namespace {

// log10 is first evaluated with 128-bit integers to about 88 correct bits; a result
// within 2^48 units of the 128-bit window's rounding midpoint (relative 2^-80) is
// evaluated again with the wide arithmetic.
constexpr int kTableBits = 9;
constexpr int kTableSize = 1 << kTableBits;
constexpr int kReciprocalShift = 80;     // m · R_i = z · 2^-80
constexpr int kSumScale = 112;           // ln x is summed in units of 2^-112
constexpr int kNearOneScale = 126;       // near 1 the series is summed in units of 2^-126
constexpr int kConstantScale = 127;
constexpr std::uint64_t kUndecided = std::uint64_t{1} << 48;

struct TLogTables {
    std::array<std::uint32_t, kTableSize> Reciprocal; // R_i ≈ 2^17 / (1 + (i + ½)/512)
    std::array<TInt128, kTableSize> MinusLnR;        // −ln(R_i / 2^17), in units of 2^-112
    TInt128 Ln2;                                      // units of 2^-112
    TInt128 InvLn10;                                  // 1/ln 10, units of 2^-127
    TInt128 Third;                                    // 1/3, units of 2^-127
};

const TLogTables& Tables()
{
    static const TLogTables tables = [] {
        TLogTables t{};
        const TWideFixed ln2 = WideLn2();
        for (int i = 0; i < kTableSize; ++i) {
            const auto r = static_cast<std::uint32_t>(std::lround(0x1p27 / (2 * kTableSize + 1 + 2 * i)));
            t.Reciprocal[i] = r;
            const TWideFixed lnR = WideLn(Unpack(FromInt64(r)));
            t.MinusLnR[i] = (ln2 * 17 - lnR).Scaled(kSumScale);
        }
        t.Ln2 = ln2.Scaled(kSumScale);
        t.InvLn10 = WideLn10().Reciprocal().Scaled(kConstantScale);
        t.Third = (TWideFixed::FromInt(1) / 3).Scaled(kConstantScale);
        return t;
    }();
    return tables;
}

// t⁴·(1/5 − t/6 + t²/7 − …) in double: the series' tail beyond the terms kept wide.
double SeriesTail(double t)
{
    double g = 1.0 / 11;
    for (int k = 10; k >= 5; --k)
        g = 1.0 / k - t * g;
    const double t2 = t * t;
    return t2 * t2 * g;
}

// A double far below 1 in units of 2^-scale.
TInt128 Fixed(double value, int scale)
{
    return static_cast<TInt128>(static_cast<std::int64_t>(std::ldexp(value, 100))) << (scale - 100);
}

struct TApproximation {
    bool Negative;
    TUint128 Magnitude; // value = Magnitude · 2^Exponent
    int Exponent;
};

// ln(1 + t)/t·(1/ln 10) for |t| below 2^-9 given in units of 2^-126, about 1/ln 10.
TInt128 NearOneFactor(TInt128 t, double td)
{
    const TLogTables& tables = Tables();
    const TInt128 t2 = MulShiftSigned(t, t, kNearOneScale);
    const TInt128 t3 = MulShiftSigned(t2, t, kNearOneScale);
    const TInt128 f = (TInt128{1} << kNearOneScale) - (t >> 1) + MulShiftSigned(t2, tables.Third, kConstantScale)
        - (t3 >> 2) + Fixed(SeriesTail(td), kNearOneScale);
    return MulShiftSigned(f, tables.InvLn10, kConstantScale);
}

// log10 of x = S · 2^(k − 63) within 2^(1/4) of 1: t = x − 1 is exact, and the result
// t · ln(1 + t)/t / ln 10 keeps its relative precision however small t is.
TApproximation NearOne(std::uint64_t s, int k)
{
    const bool below = k < 0;
    const std::uint64_t magnitude = below ? 0 - s : s - kIntegerBit; // |t| · 2^(63 − k)
    const int lead = std::countl_zero(magnitude);
    const int tExponent = (below ? -64 : -63) - lead; // |t| = (magnitude << lead) · 2^tExponent
    const std::uint64_t normalized = magnitude << lead;
    const auto t = static_cast<TInt128>(normalized) << (kNearOneScale + tExponent);
    const double td = std::ldexp(static_cast<double>(normalized), tExponent);
    const TInt128 factor = NearOneFactor(below ? -t : t, below ? -td : td);
    return {below, MulShift(normalized, static_cast<TUint128>(factor), 62), tExponent + 62 - kNearOneScale};
}

// log10 of x = S · 2^(k − 63): k·ln 2 − ln R_i + ln(1 + t) with t = m·R_i − 1 below
// 2^-9, summed in units of 2^-112, then divided by ln 10.
TApproximation General(std::uint64_t s, int k)
{
    const TLogTables& tables = Tables();
    const int i = static_cast<int>((s >> (63 - kTableBits)) & (kTableSize - 1));
    const TInt128 t = static_cast<TInt128>(static_cast<TUint128>(s) * tables.Reciprocal[i])
        - (TInt128{1} << kReciprocalShift); // t in units of 2^-80
    const TInt128 t2 = MulShiftSigned(t, t, 2 * kReciprocalShift - kSumScale);
    const TInt128 t3 = MulShiftSigned(t2, t, kReciprocalShift);
    const TInt128 t4 = MulShiftSigned(t3, t, kReciprocalShift);
    const double td = std::ldexp(static_cast<double>(t), -kReciprocalShift);
    const TInt128 ln1p = (t << (kSumScale - kReciprocalShift)) - (t2 >> 1)
        + MulShiftSigned(t3, tables.Third, kConstantScale) - (t4 >> 2) + Fixed(td * SeriesTail(td), kSumScale);
    const TInt128 ln = tables.Ln2 * k + tables.MinusLnR[i] + ln1p;
    const TInt128 log10 = MulShiftSigned(ln, tables.InvLn10, kConstantScale);
    return {log10 < 0, static_cast<TUint128>(log10 < 0 ? -log10 : log10), -kSumScale};
}

// The powers of ten the format holds exactly (up to 10^27), whose logarithms are
// exact integers; none has fewer than 27 zero bits at the end of its significand.
int ExactPowerOfTen(const TUnpacked& x)
{
    static const std::array<TUnpacked, 28> kPowers = [] {
        std::array<TUnpacked, 28> powers{};
        TUint128 p = 1;
        for (int n = 0; n < 28; ++n, p *= 10) {
            const int lead = LeadingZeros(p);
            powers[n] = {kFinite, false, kExtendedBias + 127 - lead, static_cast<std::uint64_t>((p << lead) >> 64)};
        }
        return powers;
    }();
    if (x.Significand & ((std::uint64_t{1} << 27) - 1))
        return -1;
    for (int n = 0; n < 28; ++n)
        if (kPowers[n].Exponent == x.Exponent && kPowers[n].Significand == x.Significand)
            return n;
    return -1;
}

} // namespace

TExtendedBits Log10(TExtendedBits a)
{
    const TUnpacked x = Unpack(a);
    if (x.Kind >= kQuietNaN)
        return PropagateNaN(x);
    if (x.Kind == kZero) {
        Raise(efZeroDivide);
        return Infinity(true);
    }
    if (x.Negative) { // a positive quiet NaN, as the library's logarithm gives
        Raise(efInvalid);
        return MakeExtendedBits(false, kExtendedSpecialExponent, kIntegerBit | kQuietBit);
    }
    if (x.Kind == kInfinite)
        return a;
    if (const int n = ExactPowerOfTen(x); n >= 0)
        return FromInt64(n);

    const int k = x.Exponent - kExtendedBias;
    const std::uint64_t s = x.Significand;
    const bool nearOne = (k == 0 && s - kIntegerBit < (std::uint64_t{1} << 54))
        || (k == -1 && 0 - s < (std::uint64_t{1} << 55));
    const TApproximation r = nearOne ? NearOne(s, k) : General(s, k);
    const int lead = LeadingZeros(r.Magnitude);
    const TUint128 m = r.Magnitude << lead;
    const auto low = static_cast<std::uint64_t>(m);
    const std::uint64_t half = std::uint64_t{1} << 63;
    if ((low > half ? low - half : half - low) <= kUndecided)
        return WideRound(WideLn(x) * WideLn10().Reciprocal());
    return RoundPack(r.Negative, r.Exponent - lead + 127 + kExtendedBias, m);
}

} // namespace SoftExtended
