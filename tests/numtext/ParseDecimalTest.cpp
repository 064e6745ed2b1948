#include "numtext/ParseDecimal.h"
#include "tests/numtext/SeparatorsFixture.h"

#include "core/ConvertError.h"

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <string>

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

} // namespace

TEST_F(ParseDecimalTest, TableWithADecimalComma)
{
    UseSeparators(',', ' ');
    EXPECT_EQ(ParseDecimal("1,0001"), 1.0001L);
    ExpectRejected("1.0001");
    EXPECT_EQ(ParseDecimal(" 220 "), 220.0L);
    ExpectRejected("220\t");
    EXPECT_EQ(ParseDecimal(","), 0.0L);
    ExpectRejected("-");
    ExpectRejected("");
    EXPECT_EQ(ParseDecimal("1e3"), 1000.0L);
    EXPECT_EQ(ParseDecimal("1E+3"), 1000.0L);
    EXPECT_EQ(ParseDecimal("1e"), 1.0L);
    EXPECT_EQ(ParseDecimal("2,5e-1"), 0.25L);
    ExpectRejected("1 000");
    const long double big = ParseDecimal("1e500");
    EXPECT_NEAR(static_cast<double>(big / 1e500L), 1.0, 4 * LDBL_EPSILON);
    ExpectRejected("1e5000");
    ExpectRejected("1e4933");
}

TEST_F(ParseDecimalTest, TheDefaultInputsAreRejectedWithADecimalPoint)
{
    UseSeparators('.', ',');
    ExpectRejected("1,0001");
    ExpectRejected("1,0250");
    ExpectRejected("0,0001");
    EXPECT_EQ(ParseDecimal("1.0250"), 1.025L);
    EXPECT_EQ(ParseDecimal("0.0001"), 0.0001L);
}

TEST_F(ParseDecimalTest, SignsBlanksAndMantissaForms)
{
    UseSeparators(',', ' ');
    EXPECT_EQ(ParseDecimal("+12"), 12.0L);
    EXPECT_EQ(ParseDecimal("-12,5"), -12.5L);
    EXPECT_EQ(ParseDecimal(",5"), 0.5L);
    EXPECT_EQ(ParseDecimal("5,"), 5.0L);
    EXPECT_EQ(ParseDecimal("   -,25   "), -0.25L);
    EXPECT_EQ(ParseDecimal("+,e"), 0.0L);
    EXPECT_EQ(ParseDecimal("007"), 7.0L);
    EXPECT_TRUE(std::signbit(ParseDecimal("-0"))); // the sign is applied last
    EXPECT_FALSE(std::signbit(ParseDecimal("0")));
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
    EXPECT_EQ(ParseDecimal("1e05"), 1e5L);
    EXPECT_EQ(ParseDecimal("1e0000000005"), 1e5L); // zeros keep the exponent below 500
    EXPECT_EQ(ParseDecimal("1e-"), 1.0L);
    EXPECT_EQ(ParseDecimal("1E+"), 1.0L);
    EXPECT_EQ(ParseDecimal("5e499"), ParseDecimal("0.5e500"));
    ExpectRejected("1e5001"); // "500" read, "1" left over
    ExpectRejected("1e-5000");
    ExpectRejected("1e4999"); // read whole, and overflows
    EXPECT_EQ(ParseDecimal("1e-4999"), 0.0L); // read whole, and underflows to zero
    EXPECT_GT(ParseDecimal("1e4932"), 1e4931L);
}

TEST_F(ParseDecimalTest, RangeIsTheExtendedRange)
{
    UseSeparators('.', ',');
    EXPECT_GT(ParseDecimal("1.18e4932"), 1e4932L);
    ExpectRejected("1.19e4932");
    ExpectRejected("-1.19e4932");
    EXPECT_GT(ParseDecimal("1e309"), static_cast<long double>(DBL_MAX));
    const long double denormal = ParseDecimal("1e-4932");
    EXPECT_GT(denormal, 0.0L);
    EXPECT_LT(denormal, LDBL_MIN);
    EXPECT_EQ(ParseDecimal("1e-4960"), 0.0L);
    // A negative power of ten of 5120 or more gives zero directly.
    // (10^4900 * 10^-5200 would be 1e-300.)
    EXPECT_EQ(ParseDecimal("1." + std::string(4900, '0') + "e-300"), 0.0L);
    EXPECT_EQ(ParseDecimal("0." + std::string(300, '0') + "1"), 1e-301L);
    // The digits are accumulated in extended precision: too many of them overflow.
    ExpectRejected(std::string(5000, '9'));
    ExpectRejected("0." + std::string(5000, '9'));
}

TEST_F(ParseDecimalTest, ThePowerOfTenIsAssembledBeforeItScalesTheDigits)
{
    UseSeparators('.', ',');
    // 10^125 = 10^29 * 10^96 rounded once, then one multiplication.
    EXPECT_EQ(static_cast<double>(ParseDecimal("5e125")), 5.0000000000000004e+125);
    // 10^4950 overflows on its own: the digits divided by it give zero...
    EXPECT_EQ(ParseDecimal("1e-4950"), 0.0L);
    EXPECT_EQ(ParseDecimal("1." + std::string(4900, '0') + "e-200"), 0.0L);
    // ...and zero times it is an invalid operation.
    ExpectRejected("0e4933");
    ExpectRejected("-0,e4999");
    EXPECT_EQ(ParseDecimal("0e4932"), 0.0L);
}

TEST_F(ParseDecimalTest, ValuesAreCorrectToTheLastBitForShortTexts)
{
    UseSeparators('.', ',');
    // Up to 19 digits and a single table factor: one correctly rounded division.
    EXPECT_EQ(ParseDecimal("0.1"), 0.1L);
    EXPECT_EQ(ParseDecimal("3.14159265358979323"), 3.14159265358979323L);
    EXPECT_EQ(ParseDecimal("123.456e-7"), 123.456e-7L);
    EXPECT_EQ(ParseDecimal("1e27"), 1e27L);
    EXPECT_EQ(ParseDecimal("1.25e-20"), 1.25e-20L);
    EXPECT_EQ(static_cast<double>(ParseDecimal("1.0001")), 1.0001);
}

TEST_F(ParseDecimalTest, RunsMaskedAndRestoresTheCallersFloatingPointState)
{
    UseSeparators('.', ',');
    std::feclearexcept(FE_ALL_EXCEPT);
    ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
    volatile long double one = 1.0L, three = 3.0L;
    // Rounding to nearest inside, whatever the caller's mode (upward would round 0.7 up).
    EXPECT_EQ(ParseDecimal("0.7"), 0.7L);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0) << "the parse's own flags must not leak";
    ExpectRejected("1e4933");
    EXPECT_EQ(std::fetestexcept(FE_OVERFLOW | FE_INVALID), 0);
    volatile long double third = one / three; // flags inexact in the caller's scope
    (void)third;
    ParseDecimal("1");
    EXPECT_TRUE(std::fetestexcept(FE_INEXACT)) << "the caller's flags must survive";
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
}
