#include "core/WideFixed.h"

#include <cmath>

namespace SoftExtended {

namespace {

constexpr int kLimbs = 4;

TWideFixed Magnitude(const TWideFixed& a) { return a.Negative() ? -a : a; }

// The 512-bit product of two 256-bit magnitudes, least significant limb first.
std::array<std::uint64_t, 8> WideProduct(const TWideFixed& a, const TWideFixed& b)
{
    std::array<std::uint64_t, 8> p{};
    for (int i = 0; i < kLimbs; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < kLimbs; ++j) {
            const TUint128 t = static_cast<TUint128>(a.Limbs[i]) * b.Limbs[j] + p[i + j] + carry;
            p[i + j] = static_cast<std::uint64_t>(t);
            carry = static_cast<std::uint64_t>(t >> 64);
        }
        p[i + kLimbs] = carry;
    }
    return p;
}

} // namespace

TWideFixed TWideFixed::FromScaled(std::uint64_t significand, int exponent)
{
    TWideFixed r;
    const int position = exponent + kFractionBits; // of the significand's lowest bit
    for (int bit = 0; bit < 64; ++bit) {
        const int at = position + bit;
        if ((significand >> bit) & 1 && at >= 0 && at < 64 * kLimbs)
            r.Limbs[at / 64] |= std::uint64_t{1} << (at % 64);
    }
    return r;
}

TWideFixed TWideFixed::FromInt(std::int64_t value)
{
    const TWideFixed r = FromScaled(value < 0 ? 0 - static_cast<std::uint64_t>(value) : value, 0);
    return value < 0 ? -r : r;
}

TWideFixed operator+(const TWideFixed& a, const TWideFixed& b)
{
    TWideFixed r;
    unsigned carry = 0;
    for (int i = 0; i < kLimbs; ++i) {
        const TUint128 t = static_cast<TUint128>(a.Limbs[i]) + b.Limbs[i] + carry;
        r.Limbs[i] = static_cast<std::uint64_t>(t);
        carry = static_cast<unsigned>(t >> 64);
    }
    return r;
}

TWideFixed operator-(const TWideFixed& a)
{
    TWideFixed r;
    unsigned carry = 1;
    for (int i = 0; i < kLimbs; ++i) {
        const TUint128 t = static_cast<TUint128>(~a.Limbs[i]) + carry;
        r.Limbs[i] = static_cast<std::uint64_t>(t);
        carry = static_cast<unsigned>(t >> 64);
    }
    return r;
}

TWideFixed operator*(const TWideFixed& a, const TWideFixed& b)
{
    const std::array<std::uint64_t, 8> p = WideProduct(Magnitude(a), Magnitude(b));
    // Bits 224 to 479 of the product.
    TWideFixed r;
    for (int i = 0; i < kLimbs; ++i)
        r.Limbs[i] = (p[i + 3] >> 32) | (p[i + 4] << 32);
    return a.Negative() != b.Negative() ? -r : r;
}

TWideFixed operator*(const TWideFixed& a, std::uint64_t k)
{
    const TWideFixed m = Magnitude(a);
    TWideFixed r;
    std::uint64_t carry = 0;
    for (int i = 0; i < kLimbs; ++i) {
        const TUint128 t = static_cast<TUint128>(m.Limbs[i]) * k + carry;
        r.Limbs[i] = static_cast<std::uint64_t>(t);
        carry = static_cast<std::uint64_t>(t >> 64);
    }
    return a.Negative() ? -r : r;
}

TWideFixed operator/(const TWideFixed& a, std::uint64_t k)
{
    const TWideFixed m = Magnitude(a);
    TWideFixed r;
    TUint128 rest = 0;
    for (int i = kLimbs - 1; i >= 0; --i) {
        const TUint128 n = (rest << 64) | m.Limbs[i];
        r.Limbs[i] = static_cast<std::uint64_t>(n / k);
        rest = n % k;
    }
    return a.Negative() ? -r : r;
}

double TWideFixed::ToDouble() const
{
    const TWideFixed m = Magnitude(*this);
    double value = 0;
    for (int i = kLimbs - 1; i >= 0; --i)
        value = value * 0x1p64 + static_cast<double>(m.Limbs[i]);
    value = std::ldexp(value, -kFractionBits);
    return Negative() ? -value : value;
}

TWideFixed TWideFixed::Reciprocal() const
{
    // A double's 53 bits, doubled by each Newton step r·(2 − a·r) past the 224 kept.
    const double seed = 1 / ToDouble();
    const int exponent = std::ilogb(seed);
    TWideFixed r = FromScaled(static_cast<std::uint64_t>(std::ldexp(seed, 62 - exponent)), exponent - 62);
    const TWideFixed two = FromInt(2);
    for (int i = 0; i < 3; ++i)
        r = r * (two - *this * r);
    return r;
}

TInt128 TWideFixed::Scaled(int scale) const
{
    const TWideFixed m = Magnitude(*this);
    const int shift = kFractionBits - scale; // between 1 and 191
    const auto bitAt = [&](int i) { return i >= 0 && i < 64 * kLimbs && ((m.Limbs[i / 64] >> (i % 64)) & 1); };
    TUint128 r = 0;
    for (int i = shift + 127; i >= shift; --i)
        r = (r << 1) | bitAt(i);
    const auto value = static_cast<TInt128>(r + bitAt(shift - 1)); // rounded half up
    return Negative() ? -value : value;
}

TExtendedBits WideRound(const TWideFixed& value)
{
    const TWideFixed m = Magnitude(value);
    int top = kLimbs - 1;
    while (top >= 0 && m.Limbs[top] == 0)
        --top;
    if (top < 0)
        return Zero(false);
    const int lead = 63 - std::countl_zero(m.Limbs[top]);
    const int position = 64 * top + lead; // of the leading bit
    // The 128 bits from the leading one down, and whether any bit below them is set.
    TUint128 window = 0;
    bool sticky = false;
    for (int bit = position; bit >= 0; --bit) {
        const bool set = (m.Limbs[bit / 64] >> (bit % 64)) & 1;
        if (position - bit < 128)
            window = (window << 1) | set;
        else if (set) {
            sticky = true;
            break;
        }
    }
    const int used = std::min(position + 1, 128);
    window <<= 128 - used;
    return RoundPack(value.Negative(), position - TWideFixed::kFractionBits + kExtendedBias, window | sticky);
}

namespace {

// 2·atanh(s) = ln((1 + s)/(1 − s)) for |s| ≤ 1/3, summed until the terms vanish.
TWideFixed TwiceAtanh(const TWideFixed& s)
{
    const TWideFixed s2 = s * s;
    TWideFixed power = s;
    TWideFixed sum = s;
    for (std::uint64_t k = 3; k < 400; k += 2) {
        power = power * s2;
        const TWideFixed term = power / k;
        if (term.Limbs == TWideFixed{}.Limbs)
            break;
        sum = sum + term;
    }
    return sum + sum;
}

// arctan(y) = y − y³/3 + y⁵/5 − … for |y| well below 1.
TWideFixed ArcTanSeries(const TWideFixed& y)
{
    const TWideFixed y2 = y * y;
    TWideFixed power = y;
    TWideFixed sum = y;
    for (std::uint64_t k = 3; k < 1000; k += 2) {
        power = -(power * y2);
        const TWideFixed term = power / k;
        if (term.Limbs == TWideFixed{}.Limbs)
            break;
        sum = sum + term;
    }
    return sum;
}

} // namespace

const TWideFixed& WideLn2()
{
    static const TWideFixed ln2 = TwiceAtanh(TWideFixed::FromInt(1) / 3); // ln((1 + 1/3)/(1 − 1/3))
    return ln2;
}

const TWideFixed& WideLn10()
{
    // 10 = 2^3 · 1.25, and ln 1.25 = 2·atanh(1/9).
    static const TWideFixed ln10 = WideLn2() * 3 + TwiceAtanh(TWideFixed::FromInt(1) / 9);
    return ln10;
}

TWideFixed WideLn(const TUnpacked& x)
{
    // x = m · 2^k with m in [0.75, 1.5), and ln m = 2·atanh((m − 1)/(m + 1)).
    int k = x.Exponent - kExtendedBias;
    int scale = -63;
    if (x.Significand >= 0xC000000000000000) { // m in [0.75, 1)
        ++k;
        --scale;
    }
    const TWideFixed m = TWideFixed::FromScaled(x.Significand, scale);
    const TWideFixed one = TWideFixed::FromInt(1);
    const TWideFixed s = (m - one) * (m + one).Reciprocal();
    const TWideFixed powerOfTwo = WideLn2() * static_cast<std::uint64_t>(k < 0 ? -k : k);
    return (k < 0 ? -powerOfTwo : powerOfTwo) + TwiceAtanh(s);
}

const TWideFixed& WideQuarterPi()
{
    // π/4 = 4·arctan(1/5) − arctan(1/239).
    static const TWideFixed quarter = ArcTanSeries(TWideFixed::FromInt(1) / 5) * 4
        - ArcTanSeries(TWideFixed::FromInt(1) / 239);
    return quarter;
}

TWideFixed WideArcTan(const TWideFixed& y)
{
    // arctan(y) = arctan(c) + arctan((y − c)/(1 + y·c)) with c the nearest eighth, so the
    // series runs on at most 1/16; arctan(c) is kept once computed, itself reduced
    // through π/4 + arctan((c − 1)/(c + 1)) when c lies above one half.
    static const std::array<TWideFixed, 9> kEighths = [] {
        std::array<TWideFixed, 9> table;
        for (int j = 0; j <= 8; ++j) {
            const TWideFixed c = TWideFixed::FromInt(j) / 8;
            const TWideFixed one = TWideFixed::FromInt(1);
            table[j] = j <= 4 ? ArcTanSeries(c) : WideQuarterPi() + ArcTanSeries((c - one) * (c + one).Reciprocal());
        }
        return table;
    }();
    const int j = static_cast<int>(std::lround(y.ToDouble() * 8));
    const TWideFixed c = TWideFixed::FromInt(j) / 8;
    const TWideFixed d = j == 0 ? y : (y - c) * (TWideFixed::FromInt(1) + y * c).Reciprocal();
    return kEighths[j] + ArcTanSeries(d);
}

} // namespace SoftExtended
