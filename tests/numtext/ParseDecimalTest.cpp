#include "numtext/ParseDecimal.h"
#include "tests/numtext/SeparatorsFixture.h"

#include "core/ConvertError.h"

#include <cfloat>
#include <string>
#if KELVORIN_EXTENDED_HARDWARE
#include <cfenv>
#endif

using namespace std::string_literals;

namespace {

class ParseDecimalTest : public SeparatorsTest {};

// The message ParseDecimal raises for a text, or "" when it accepts it.
std::string RejectionOf(const std::string& text)
{
    try {
        ParseDecimal(text);
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return "";
}

void ExpectRejected(const std::string& text)
{
    EXPECT_EQ(RejectionOf(text), "'" + text + "' is not a valid floating point value");
}

// n / d correctly rounded, as a literal of the same value is.
TExtended Ratio(std::int64_t n, std::int64_t d)
{
    return TExtended(n) / d;
}

// 10^n, exact for n up to 27.
TExtended ExactPower(int n)
{
    TExtended p = 1;
    for (; n > 0; --n)
        p *= 10;
    return p;
}

} // namespace

TEST_F(ParseDecimalTest, TableWithADecimalComma)
{
    UseSeparators(',', ' ');
    EXPECT_EQ(ParseDecimal("1,0001"), Ratio(10001, 10000));
    ExpectRejected("1.0001");
    EXPECT_EQ(ParseDecimal(" 220 "), TExtended(220));
    ExpectRejected("220\t");
    EXPECT_EQ(ParseDecimal(","), TExtended(0));
    ExpectRejected("-");
    ExpectRejected("");
    EXPECT_EQ(ParseDecimal("1e3"), TExtended(1000));
    EXPECT_EQ(ParseDecimal("1E+3"), TExtended(1000));
    EXPECT_EQ(ParseDecimal("1e"), TExtended(1));
    EXPECT_EQ(ParseDecimal("2,5e-1"), TExtended(0.25));
    ExpectRejected("1 000");
    const TExtended big = ParseDecimal("1e500");
    const TExtended half = ParseDecimal("1e250");
    EXPECT_NEAR((big / half / half).ToDouble(), 1.0, 8 * 0x1p-63);
    ExpectRejected("1e5000");
    ExpectRejected("1e4933");
}

TEST_F(ParseDecimalTest, TheDefaultInputsAreRejectedWithADecimalPoint)
{
    UseSeparators('.', ',');
    ExpectRejected("1,0001");
    ExpectRejected("1,0250");
    ExpectRejected("0,0001");
    EXPECT_EQ(ParseDecimal("1.0250"), Ratio(1025, 1000));
    EXPECT_EQ(ParseDecimal("0.0001"), Ratio(1, 10000));
}

TEST_F(ParseDecimalTest, SignsBlanksAndMantissaForms)
{
    UseSeparators(',', ' ');
    EXPECT_EQ(ParseDecimal("+12"), TExtended(12));
    EXPECT_EQ(ParseDecimal("-12,5"), TExtended(-12.5));
    EXPECT_EQ(ParseDecimal(",5"), TExtended(0.5));
    EXPECT_EQ(ParseDecimal("5,"), TExtended(5));
    EXPECT_EQ(ParseDecimal("   -,25   "), TExtended(-0.25));
    EXPECT_EQ(ParseDecimal("+,e"), TExtended(0));
    EXPECT_EQ(ParseDecimal("007"), TExtended(7));
    EXPECT_TRUE(SignBit(ParseDecimal("-0"))); // the sign is applied last
    EXPECT_FALSE(SignBit(ParseDecimal("0")));
    ExpectRejected("+");
    ExpectRejected(" ");
    ExpectRejected("e5");
    ExpectRejected("-e5");
    ExpectRejected("+-1");
    ExpectRejected("--1");
    ExpectRejected("1,2,3");
    ExpectRejected("1 2");
    ExpectRejected("\t1");
    ExpectRejected("\xA0" "1");
    ExpectRejected("1x");
    ExpectRejected("1e5e");
    ExpectRejected("1e+-5");
    ExpectRejected("1" "\0"s);
    ExpectRejected("0x10");
    ExpectRejected("inf");
    ExpectRejected("NAN");
}

TEST_F(ParseDecimalTest, TheGroupSeparatorIsNeverAccepted)
{
    UseSeparators(',', '.');
    ExpectRejected("1.000");
    UseSeparators('.', ',');
    ExpectRejected("1,000");
    ExpectRejected("1,000.5");
}

TEST_F(ParseDecimalTest, TheMessageCarriesTheUntrimmedText)
{
    UseSeparators(',', ' ');
    EXPECT_EQ(RejectionOf("  12a  "), "'  12a  ' is not a valid floating point value");
    EXPECT_EQ(RejectionOf("\t5"), "'\t5' is not a valid floating point value");
}

TEST_F(ParseDecimalTest, ExponentDigitsStopAt500)
{
    UseSeparators('.', ',');
    EXPECT_EQ(ParseDecimal("1e05"), TExtended(1e5));
    EXPECT_EQ(ParseDecimal("1e0000000005"), TExtended(1e5)); // zeros keep the exponent below 500
    EXPECT_EQ(ParseDecimal("1e-"), TExtended(1));
    EXPECT_EQ(ParseDecimal("1E+"), TExtended(1));
    EXPECT_EQ(ParseDecimal("5e499"), ParseDecimal("0.5e500"));
    ExpectRejected("1e5001"); // "500" read, "1" left over
    ExpectRejected("1e-5000");
    ExpectRejected("1e4999"); // read whole, and overflows
    EXPECT_EQ(ParseDecimal("1e-4999"), TExtended(0)); // read whole, and underflows to zero
    EXPECT_GT(ParseDecimal("1e4932"), ParseDecimal("1e4931"));
}

TEST_F(ParseDecimalTest, RangeIsTheExtendedRange)
{
    UseSeparators('.', ',');
    EXPECT_GT(ParseDecimal("1.18e4932"), ParseDecimal("1e4932"));
    ExpectRejected("1.19e4932");
    ExpectRejected("-1.19e4932");
    EXPECT_GT(ParseDecimal("1e309"), TExtended(DBL_MAX));
    const TExtended denormal = ParseDecimal("1e-4932");
    EXPECT_GT(denormal, TExtended(0));
    EXPECT_LT(denormal, TExtended::FromBits(MakeExtendedBits(false, 1, kIntegerBit))); // the smallest normal
    EXPECT_EQ(ParseDecimal("1e-4960"), TExtended(0));
    // A negative power of ten of 5120 or more gives zero directly.
    // (10^4900 * 10^-5200 would be 1e-300.)
    EXPECT_EQ(ParseDecimal("1." + std::string(4900, '0') + "e-300"), TExtended(0));
    EXPECT_EQ(ParseDecimal("0." + std::string(300, '0') + "1"),
        TExtended::FromBits(MakeExtendedBits(false, 15383, 0x892731AC9FAF056F))); // 1e-301 rounded once
    // The digits are accumulated in extended precision: too many of them overflow.
    ExpectRejected(std::string(5000, '9'));
    ExpectRejected("0." + std::string(5000, '9'));
}

TEST_F(ParseDecimalTest, ThePowerOfTenIsAssembledBeforeItScalesTheDigits)
{
    UseSeparators('.', ',');
    // 10^125 = 10^29 * 10^96 rounded once, then one multiplication.
    EXPECT_EQ(ParseDecimal("5e125").ToDouble(), 5.0000000000000004e+125);
    // 10^4950 overflows on its own: the digits divided by it give zero...
    EXPECT_EQ(ParseDecimal("1e-4950"), TExtended(0));
    EXPECT_EQ(ParseDecimal("1." + std::string(4900, '0') + "e-200"), TExtended(0));
    // ...and zero times it is an invalid operation.
    ExpectRejected("0e4933");
    ExpectRejected("-0,e4999");
    EXPECT_EQ(ParseDecimal("0e4932"), TExtended(0));
}

TEST_F(ParseDecimalTest, ValuesAreCorrectToTheLastBitForShortTexts)
{
    UseSeparators('.', ',');
    // Up to 19 digits and a single table factor: one correctly rounded division.
    EXPECT_EQ(ParseDecimal("0.1"), Ratio(1, 10));
    EXPECT_EQ(ParseDecimal("3.14159265358979323"), Ratio(314159265358979323, 100000000000000000));
    EXPECT_EQ(ParseDecimal("123.456e-7"), Ratio(123456, 10000000000));
    EXPECT_EQ(ParseDecimal("1e27"), ExactPower(27));
    EXPECT_EQ(ParseDecimal("1.25e-20"), TExtended(125) / ExactPower(22));
    EXPECT_EQ(ParseDecimal("1.0001").ToDouble(), 1.0001);
}

TEST_F(ParseDecimalTest, RunsMaskedAndRestoresTheCallersFloatingPointState)
{
    UseSeparators('.', ',');
    const TExtended seventh = Ratio(7, 10);
    TExtendedFlagsHold outer; // the test's own flags, given back at its end
#if KELVORIN_EXTENDED_HARDWARE
    ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
#endif
    // Rounding to nearest inside, whatever the caller's mode (upward would round 0.7 up).
    EXPECT_EQ(ParseDecimal("0.7"), seventh);
#if KELVORIN_EXTENDED_HARDWARE
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(FE_TONEAREST);
#endif
    EXPECT_EQ(ExtendedFlags(), 0u) << "the parse's own flags must not leak";
    ExpectRejected("1e4933");
    EXPECT_EQ(ExtendedFlags() & (efOverflow | efInvalid), 0u);
    volatile double three = 3;
    (TExtended(1) / three).Settled(); // flags inexact in the caller's scope
    ParseDecimal("1");
    EXPECT_TRUE(ExtendedFlags() & efInexact) << "the caller's flags must survive";
}
