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
constexpr int kFineOffset = 40;          // the second table's index j runs from −40 to 40
constexpr int kFineSize = 2 * kFineOffset + 1;
constexpr int kFirstShift = 80;          // m · R_i = S · R_i · 2^-80
constexpr int kSecondShift = 97;         // m · R_i · Q_j = S · R_i · Q_j · 2^-97
constexpr int kSumScale = 112;           // ln x is summed in units of 2^-112
constexpr int kNearOneScale = 126;       // near 1 the series is summed in units of 2^-126
constexpr int kConstantScale = 127;
constexpr std::uint64_t kUndecided = std::uint64_t{1} << 48;

struct TLogTables {
    std::array<std::uint32_t, kTableSize> Reciprocal; // R_i ≈ 2^17 / (1 + (i + ½)/512)
    std::array<TInt128, kTableSize> MinusLnR;        // −ln(R_i / 2^17), in units of 2^-112
    std::array<std::uint32_t, kFineSize> Fine;        // Q_j ≈ 2^17 / (1 + j/2^15)
    std::array<TInt128, kFineSize> MinusLnFine;       // −ln(Q_j / 2^17), in units of 2^-112
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
            t.MinusLnR[i] = (ln2 * 17 - WideLn(Unpack(FromInt64(r)))).Scaled(kSumScale);
        }
        for (int j = -kFineOffset; j <= kFineOffset; ++j) {
            const auto q = static_cast<std::uint32_t>(std::lround(0x1p32 / ((1 << 15) + j)));
            t.Fine[j + kFineOffset] = q;
            t.MinusLnFine[j + kFineOffset] = (ln2 * 17 - WideLn(Unpack(FromInt64(q)))).Scaled(kSumScale);
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
    const double g = 1.0 / 5 - t * (1.0 / 6 - t * (1.0 / 7 - t * (1.0 / 8 - t * (1.0 / 9 - t * (1.0 / 10 - t * (1.0 / 11))))));
    const double t2 = t * t;
    return t2 * t2 * g;
}

// A double far below 1 in units of 2^-scale.
TInt128 Fixed(double value, int scale)
{
    return static_cast<TInt128>(static_cast<std::int64_t>(value * 0x1p100)) << (scale - 100);
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
    const double td = static_cast<double>(normalized) * std::bit_cast<double>(static_cast<std::uint64_t>(1023 + tExponent) << 52);
    const TInt128 factor = NearOneFactor(below ? -t : t, below ? -td : td);
    return {below, MulShift(normalized, static_cast<TUint128>(factor), 62), tExponent + 62 - kNearOneScale};
}

// log10 of x = S · 2^(k − 63) for m = S · 2^-63: k·ln 2 − ln R_i − ln Q_j + ln(1 + t),
// where m·R_i lies within 2^-10 of 1 and t = m·R_i·Q_j − 1 within 2^-15 (both exact),
// summed in units of 2^-112 and divided by ln 10. Beyond t − t²/2 the series' terms are
// small enough for a double.
TApproximation General(std::uint64_t s, int k)
{
    const TLogTables& tables = Tables();
    const int i = static_cast<int>((s >> (63 - kTableBits)) & (kTableSize - 1));
    const TUint128 first = static_cast<TUint128>(s) * tables.Reciprocal[i];
    const int j = static_cast<int>((static_cast<TInt128>(first) - (TInt128{1} << kFirstShift) + (TInt128{1} << 64)) >> 65);
    const TInt128 t = static_cast<TInt128>(first * tables.Fine[j + kFineOffset]) - (TInt128{1} << kSecondShift);
    // t² from t = th·2^19 + tl: th² and the cross term, in units of 2^-112.
    const auto th = static_cast<std::int64_t>(t >> 19);
    const auto tl = static_cast<std::int64_t>(t - (static_cast<TInt128>(th) << 19));
    const TInt128 t2 = ((static_cast<TInt128>(th) * th) >> 44) + ((static_cast<TInt128>(th) * (2 * tl)) >> 63);
    const double td = static_cast<double>(th) * 0x1p-78;
    const double cubic = td * td * td * (1.0 / 3 - td * (1.0 / 4 - td * (1.0 / 5 - td * (1.0 / 6 - td * (1.0 / 7)))));
    const TInt128 ln1p = (t << (kSumScale - kSecondShift)) - (t2 >> 1) + Fixed(cubic, kSumScale);
    const TInt128 ln = tables.Ln2 * k + tables.MinusLnR[i] + tables.MinusLnFine[j + kFineOffset] + ln1p;
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
