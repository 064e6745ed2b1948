// Randomized checks of writing and reading numbers against independent references.
#include "numtext/FormatDecimal.h"
#include "numtext/ParseDecimal.h"
#include "tests/numtext/SeparatorsFixture.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

class RoundTripTest : public SeparatorsTest {};

// Random doubles over the magnitudes the results list shows, both signs, with a good share
// of decimal halves such as 1.23455 whose side is decided by their stored binary value.
std::vector<double> RandomValues(std::size_t count, std::uint64_t seed)
{
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> decade(-6, 16);
    std::uniform_int_distribution<long long> tenThousandths(0, 99'999'999'999);
    std::bernoulli_distribution coin;
    std::vector<double> values;
    values.reserve(count);
    while (values.size() < count) {
        double v;
        switch (values.size() % 4) {
        case 0:
        case 1:
            v = mantissa(rng) * std::pow(10.0, decade(rng));
            break;
        case 2: // a decimal half at the fifth decimal
            v = (static_cast<double>(tenThousandths(rng)) + 0.5) / 10000.0;
            break;
        default: // a decimal half at a small magnitude
            v = (static_cast<double>(tenThousandths(rng) % 100000) + 0.5) / 10000.0;
            break;
        }
        values.push_back(coin(rng) ? -v : v);
    }
    return values;
}

// The correctly rounded 18-significant-digit expansion of a double: its digits and the
// exponent E with the value = 0.D * 10^E. Empty when the value lies so near the middle
// between two 18-digit neighbours that extended-precision scaling may settle either way.
struct TExpansion {
    std::string Digits;
    int Exponent = 0;
};

bool ExactExpansion(double value, TExpansion& out)
{
    char rounded[64];
    char longer[80];
    std::snprintf(rounded, sizeof rounded, "%.17e", std::fabs(value));
    std::snprintf(longer, sizeof longer, "%.29e", std::fabs(value));
    // Digits 19 to 21 of the exact value, as a fraction of a unit of the 18th digit.
    const std::string tail = std::string(longer).substr(19, 3);
    const int fraction = std::atoi(tail.c_str());
    if (fraction > 430 && fraction < 570)
        return false;
    out.Digits = std::string(1, rounded[0]) + std::string(rounded + 2, 17);
    out.Exponent = std::atoi(rounded + 20) + 1;
    return true;
}

// The expansion rounded half away from zero at `decimals` places after the point, as a
// decimal integer text in units of 10^-decimals ("" for zero).
std::string RoundedUnits(const TExpansion& x, int decimals)
{
    const int place = x.Exponent + decimals;
    if (place < 0)
        return "";
    std::string units = x.Digits.substr(0, std::min<std::size_t>(place, x.Digits.size()));
    if (place > static_cast<int>(x.Digits.size()))
        units.append(place - x.Digits.size(), '0');
    if (place < static_cast<int>(x.Digits.size()) && x.Digits[place] >= '5') {
        int i = static_cast<int>(units.size()) - 1;
        while (i >= 0 && units[i] == '9')
            units[i--] = '0';
        if (i < 0)
            units.insert(units.begin(), '1');
        else
            ++units[i];
    }
    const std::size_t firstNonZero = units.find_first_not_of('0');
    return firstNonZero == std::string::npos ? "" : units.substr(firstNonZero);
}

// What "0.0000" must write, built from the reference expansion without the laying rules.
std::string ExpectedFixed4(double value, const TExpansion& x, char decimal)
{
    std::string units = RoundedUnits(x, 4);
    const bool negative = value < 0 && !units.empty();
    if (units.size() < 5)
        units.insert(0, 5 - units.size(), '0');
    return (negative ? "-" : "") + units.substr(0, units.size() - 4) + decimal
        + units.substr(units.size() - 4);
}

// What "#,##0.###" must write: grouped integer digits and up to three significant decimals.
// A value that rounds to zero at the third decimal from a decimal exponent of -3 keeps that
// exponent and is written "0,000"; anything smaller is "0".
std::string ExpectedAxis(double value, const TExpansion& x, char decimal, char group)
{
    std::string units = RoundedUnits(x, 3);
    if (units.empty())
        return x.Exponent == -3 ? std::string("0") + decimal + "000" : "0";
    if (units.size() < 4)
        units.insert(0, 4 - units.size(), '0');
    const std::string integer = units.substr(0, units.size() - 3);
    std::string fraction = units.substr(units.size() - 3);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    std::string text = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            text += group;
        text += integer[i];
    }
    if (!fraction.empty())
        text += decimal + fraction;
    return text;
}

} // namespace

TEST_F(RoundTripTest, ReadingBackTheFourDecimalTextLandsWithinHalfAUnit)
{
    for (const char decimal : {'.', ','}) {
        UseSeparators(decimal, decimal == ',' ? ' ' : ',');
        int failures = 0;
        for (const double x : RandomValues(100000, decimal)) {
            const AnsiString text = FormatDecimal("0.0000", x);
            const TExtended back = ParseDecimal(text);
            // Half a unit of the fourth decimal, plus the 18-digit expansion's own rounding.
            const TExtended allowed = TExtended(0.00005) * (1 + 1e-15) + Abs(x) * 1e-17;
            if (Abs(back - x) > allowed && ++failures <= 10)
                ADD_FAILURE() << "x=" << std::scientific << x << " text=" << text;
            const auto point = text.find(decimal);
            if (point == std::string::npos || text.size() - point != 5)
                ADD_FAILURE() << "x=" << x << " text=" << text;
        }
        EXPECT_EQ(failures, 0) << "decimal separator " << decimal;
    }
}

TEST_F(RoundTripTest, FourDecimalTextAgreesWithTheCorrectlyRoundedExpansion)
{
    UseSeparators(',', ' ');
    int checked = 0;
    int failures = 0;
    for (const double x : RandomValues(100000, 2024)) {
        TExpansion expansion;
        if (!ExactExpansion(x, expansion))
            continue;
        ++checked;
        const std::string expected = ExpectedFixed4(x, expansion, ',');
        const AnsiString text = FormatDecimal("0.0000", x);
        if (text != expected && ++failures <= 10)
            ADD_FAILURE() << std::scientific << x << ": " << text << " instead of " << expected;
    }
    EXPECT_EQ(failures, 0);
    EXPECT_GT(checked, 80000);
}

TEST_F(RoundTripTest, AxisTextAgreesWithTheCorrectlyRoundedExpansion)
{
    UseSeparators(',', ' ');
    int failures = 0;
    std::vector<double> values = RandomValues(50000, 7);
    for (double v = 0.00001; v < 0.002; v += 0.0000031) // the small magnitudes around 0,000
        values.push_back(v);
    for (const double x : values) {
        TExpansion expansion;
        if (!ExactExpansion(x, expansion))
            continue;
        const std::string expected = ExpectedAxis(x, expansion, ',', ' ');
        const AnsiString text = FormatDecimal("#,##0.###", x);
        if (text != expected && ++failures <= 10)
            ADD_FAILURE() << std::scientific << x << ": " << text << " instead of " << expected;
    }
    EXPECT_EQ(failures, 0);
}
