#include "numtext/FormatDecimal.h"
#include "tests/numtext/SeparatorsFixture.h"

#include "core/ConvertError.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace {

// The results list's picture and the axis labels' picture.
constexpr const char* kFixed4 = "0.0000";
constexpr const char* kAxis = "#,##0.###";

// The separators the results table below is written with: a decimal comma and a blank.
class FormatDecimalTest : public SeparatorsTest {
protected:
    FormatDecimalTest() { UseSeparators(',', ' '); }
};

std::string RefusalOf(const std::string& picture)
{
    try {
        FormatDecimal(picture, 1.5);
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return "";
}

} // namespace

TEST_F(FormatDecimalTest, ResultsTable)
{
    const struct {
        double value;
        const char* fixed4;
        const char* axis;
    } rows[] = {
        {0, "0,0000", "0"},
        {0.5, "0,5000", "0,5"},
        {-2.5, "-2,5000", "-2,5"},
        {-0.00001, "0,0000", "0"},
        {1234.5678, "1234,5678", "1 234,568"},
        {1000000, "1000000,0000", "1 000 000"},
        {12.34567, "12,3457", "12,346"},
        {0.00005, "0,0001", "0"},
        {0.0002, "0,0002", "0,000"},
        {-0.0002, "-0,0002", "0,000"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FormatDecimal(kFixed4, row.value), row.fixed4) << row.value;
        EXPECT_EQ(FormatDecimal(kAxis, row.value), row.axis) << row.value;
    }
}

TEST_F(FormatDecimalTest, RoundingIsHalfAwayFromZeroOnTheEighteenDigitExpansion)
{
    // 0.00005 is stored slightly above, 0.00015 slightly below.
    EXPECT_EQ(FormatDecimal(kFixed4, 0.00005), "0,0001");
    EXPECT_EQ(FormatDecimal(kFixed4, 0.00015), "0,0001");
    EXPECT_EQ(FormatDecimal(kFixed4, 0.00025), "0,0003");
    EXPECT_EQ(FormatDecimal(kFixed4, 0.00035), "0,0003");
    EXPECT_EQ(FormatDecimal(kFixed4, -0.00005), "-0,0001");
    // Exact halves go away from zero, not to even.
    EXPECT_EQ(FormatDecimal("0", 0.5), "1");
    EXPECT_EQ(FormatDecimal("0", 1.5), "2");
    EXPECT_EQ(FormatDecimal("0", 2.5), "3");
    EXPECT_EQ(FormatDecimal("0", -2.5), "-3");
    EXPECT_EQ(FormatDecimal("0", 0.4999999999999999), "0");
    EXPECT_EQ(FormatDecimal("0.0", 0.25), "0,3");
    EXPECT_EQ(FormatDecimal("0.00", 1.125), "1,13");
}

TEST_F(FormatDecimalTest, CarriesRunLeftwardsAndOutOfTheFirstDigit)
{
    EXPECT_EQ(FormatDecimal(kFixed4, 9.99995), "10,0000");
    EXPECT_EQ(FormatDecimal(kFixed4, 0.99996), "1,0000");
    EXPECT_EQ(FormatDecimal(kFixed4, 999999.99996), "1000000,0000");
    EXPECT_EQ(FormatDecimal(kFixed4, 1.99996), "2,0000");
    EXPECT_EQ(FormatDecimal(kFixed4, 19.99996), "20,0000");
    EXPECT_EQ(FormatDecimal(kAxis, 999999.9999), "1 000 000");
    EXPECT_EQ(FormatDecimal(kAxis, 0.0005), "0,001");
    EXPECT_EQ(FormatDecimal("0", 0.6), "1");    // rounding place 0, carried out
    EXPECT_EQ(FormatDecimal("0", 9.5), "10");
    EXPECT_EQ(FormatDecimal("0", 99.5), "100");
}

TEST_F(FormatDecimalTest, NegativeValuesThatRoundToZeroHaveNoSign)
{
    EXPECT_EQ(FormatDecimal(kFixed4, -0.0), "0,0000");
    EXPECT_EQ(FormatDecimal(kAxis, -0.0), "0");
    EXPECT_EQ(FormatDecimal(kFixed4, -0.00004999), "0,0000");
    EXPECT_EQ(FormatDecimal(kFixed4, -1e-300), "0,0000");
    EXPECT_EQ(FormatDecimal(kFixed4, -std::numeric_limits<double>::denorm_min()), "0,0000");
    EXPECT_EQ(FormatDecimal("0", -0.4), "0");
    EXPECT_EQ(FormatDecimal(kFixed4, -0.00005), "-0,0001");
}

TEST_F(FormatDecimalTest, AxisPictureOfSmallMagnitudes)
{
    // From 0.0001 up to just below 0.0005: "0,000"; below 0.0001: "0".
    const double fromTenThousandth[] = {0.0001, 0.00010000000000000002, 0.00012, 0.0002, 0.00025,
                                        0.0003, 0.00041, 0.0004999, 0.00049999999999999,
                                        std::nextafter(0.0005, 0.0)};
    for (const double v : fromTenThousandth) {
        EXPECT_EQ(FormatDecimal(kAxis, v), "0,000") << v;
        EXPECT_EQ(FormatDecimal(kAxis, -v), "0,000") << -v;
    }
    const double belowTenThousandth[] = {std::nextafter(0.0001, 0.0), 0.0000999, 0.00009, 0.00005,
                                         0.00001, 1e-10, 1e-300, 5e-324};
    for (const double v : belowTenThousandth) {
        EXPECT_EQ(FormatDecimal(kAxis, v), "0") << v;
        EXPECT_EQ(FormatDecimal(kAxis, -v), "0") << -v;
    }
    for (double v = 0.0001; v < 0.0005; v += 0.0000013)
        EXPECT_EQ(FormatDecimal(kAxis, v), "0,000") << v;
    for (double v = 0.0; v < 0.0001; v += 0.0000007)
        EXPECT_EQ(FormatDecimal(kAxis, v), "0") << v;
}

TEST_F(FormatDecimalTest, AxisPictureGroupsTheIntegerDigits)
{
    EXPECT_EQ(FormatDecimal(kAxis, 123456789), "123 456 789");
    EXPECT_EQ(FormatDecimal(kAxis, 12345678), "12 345 678");
    EXPECT_EQ(FormatDecimal(kAxis, 999), "999");
    EXPECT_EQ(FormatDecimal(kAxis, 1000), "1 000");
    EXPECT_EQ(FormatDecimal(kAxis, -1234567.891), "-1 234 567,891");
    EXPECT_EQ(FormatDecimal(kAxis, 0.1), "0,1");
    EXPECT_EQ(FormatDecimal(kAxis, 2.25), "2,25");
    EXPECT_EQ(FormatDecimal(kAxis, TExtended(std::int64_t{999999999999999999})), "999 999 999 999 999 999");
    // A "," anywhere in the section turns grouping on; its place does not matter.
    EXPECT_EQ(FormatDecimal("0.00,", 1234.5), "1 234,50");
    EXPECT_EQ(FormatDecimal("#,#", 1234), "1 234");
    EXPECT_EQ(FormatDecimal("0", 1234567), "1234567");
}

TEST_F(FormatDecimalTest, AxisPictureGivesTheGeneralFormFromTenToTheEighteen)
{
    EXPECT_EQ(FormatDecimal(kAxis, 1e18), "1E18");
    EXPECT_EQ(FormatDecimal(kAxis, 1.5e30), "1,5E30");
    EXPECT_EQ(FormatDecimal(kAxis, -1.5e30), "-1,5E30");
    EXPECT_EQ(FormatDecimal(kFixed4, 1e18), "1E18");
    EXPECT_EQ(FormatDecimal(kFixed4, TExtended(std::int64_t{1234567890123456789})), "1,23456789012346E18");
    // Just below 10^18 the picture still applies; rounding up to 10^18 does not.
    EXPECT_EQ(FormatDecimal(kFixed4, TExtended(std::int64_t{123456789012345678})), "123456789012345678,0000");
    EXPECT_EQ(FormatDecimal(kFixed4, TExtended(std::int64_t{999999999999999999}) + 0.5), "1E18");
    EXPECT_EQ(FormatDecimal(kFixed4, 1e300), "1E300");
}

TEST_F(FormatDecimalTest, PlaceholdersZeroAndHash)
{
    EXPECT_EQ(FormatDecimal("000.000", 1.5), "001,500");
    EXPECT_EQ(FormatDecimal("00", 123), "123"); // the leftmost takes the surplus digits
    EXPECT_EQ(FormatDecimal("0", 0), "0");
    EXPECT_EQ(FormatDecimal("#", 0), "");
    EXPECT_EQ(FormatDecimal("#.##", 1.5), "1,5");
    EXPECT_EQ(FormatDecimal("#.##", 0.5), ",5");
    EXPECT_EQ(FormatDecimal(".00", 0.5), ",50");
    EXPECT_EQ(FormatDecimal("0.#0", 1.5), "1,50");
    EXPECT_EQ(FormatDecimal("#0.0#", 7), "7,0");
    EXPECT_EQ(FormatDecimal("0.0000", 12345.6), "12345,6000");
    EXPECT_EQ(FormatDecimal("#", 42.4), "42");
    EXPECT_EQ(FormatDecimal("0.00.0", 1.25), "1,250"); // the first "." counts, later ones write nothing
    // Rounded to zero with the exponent kept: the fraction placeholders still write zeros.
    EXPECT_EQ(FormatDecimal("0.00", 0.004), "0,00");
    EXPECT_EQ(FormatDecimal("#.##", 0.004), ",00");
    EXPECT_EQ(FormatDecimal("#.##", 0.00004), "");
}

TEST_F(FormatDecimalTest, SectionsForPositiveNegativeAndZero)
{
    const char* three = "0.0;0.00;0.000";
    EXPECT_EQ(FormatDecimal(three, 1.5), "1,5");
    EXPECT_EQ(FormatDecimal(three, -1.5), "1,50"); // only the first section writes "-"
    EXPECT_EQ(FormatDecimal(three, 0.0), "0,000");
    EXPECT_EQ(FormatDecimal(three, -0.0), "0,000");   // negative section, then zero section
    EXPECT_EQ(FormatDecimal(three, 0.01), "0,000");   // rounds to zero at one decimal
    EXPECT_EQ(FormatDecimal(three, -0.001), "0,000"); // rounds to zero at two decimals

    const char* two = "0.0;0.00";
    EXPECT_EQ(FormatDecimal(two, 0.0), "0,0");
    EXPECT_EQ(FormatDecimal(two, -0.0), "0,0");
    EXPECT_EQ(FormatDecimal(two, -0.001), "0,0"); // no zero section: the first
    EXPECT_EQ(FormatDecimal(two, -0.006), "0,01");

    // Missing or empty sections are replaced by the first.
    EXPECT_EQ(FormatDecimal("0.0;;0.000", -1.5), "-1,5");
    EXPECT_EQ(FormatDecimal("0.0;", -1.5), "-1,5");
    EXPECT_EQ(FormatDecimal("0.0;0.00;", 0.0), "0,0");
    EXPECT_EQ(FormatDecimal("0.0;0.00;0.000;#", 0.0), "0,000"); // a fourth section is ignored
}

TEST_F(FormatDecimalTest, AnEmptyFirstSectionGivesTheGeneralForm)
{
    EXPECT_EQ(FormatDecimal("", 1.25), "1,25");
    EXPECT_EQ(FormatDecimal(";0.00", 1.25), "1,25");
    EXPECT_EQ(FormatDecimal(";0.00", -1.25), "1,25"); // the negative section exists
    EXPECT_EQ(FormatDecimal(";;", -1.25), "-1,25");
    EXPECT_EQ(FormatDecimal(";;0.0", 0.0), "0,0");
    // A value that rounds to zero in the negative section goes to the zero section, else
    // to the first; an empty first section means the general form there too.
    EXPECT_EQ(FormatDecimal(";0.00;0.0", -0.0), "0,0");
    EXPECT_EQ(FormatDecimal(";0.00", -0.0), "0");
    EXPECT_EQ(FormatDecimal(";0.00", -0.001), "-0,001");
}

TEST_F(FormatDecimalTest, GeneralForm)
{
    const struct {
        TExtended value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.5, "1,5"},
        {-1.5, "-1,5"},
        {100.0, "100"},
        {1e15, "1E15"},
        {999999999999999.0, "999999999999999"},
        {TExtended(std::int64_t{1234567890123456}) / 10, "123456789012346"},
        {9999999999999999.0, "1E16"},
        {TExtended(1) / 1000, "0,001"},
        {TExtended(1) / 10000, "0,0001"},
        {TExtended(1) / 100000, "1E-5"},
        {TExtended(-15) / 1000000, "-1,5E-5"},
        {TExtended(15) / 100000000, "1,5E-7"},
        {TExtended(1) / 3, "0,333333333333333"},
        {TExtended(2) / 3, "0,666666666666667"},
        {0.1 + 0.2, "0,3"},
        {1e-300, "1E-300"},
        {1.5e30, "1,5E30"},
        {DBL_MAX, "1,79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
        {kExtendedMax, "1,18973149535723E4932"},
        {TExtended::FromBits(MakeExtendedBits(false, 1, kIntegerBit)), "3,36210314311209E-4932"},
        {TExtended::FromBits(MakeExtendedBits(false, 0, 1)), "0"}, // an extended denormal counts as zero
        {TExtended::FromBits(MakeExtendedBits(false, kExtendedBias - 681, kIntegerBit)), "9,96719495109757E-206"},    // the estimate is one too large here
        {TExtended::FromBits(MakeExtendedBits(false, kExtendedBias - 877, kIntegerBit)), "9,9241610332961E-265"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDecimal("", c.value), c.text) << c.value.ToDouble();
}

TEST_F(FormatDecimalTest, InfinitiesAndNaNs)
{
    const TExtended inf = TExtended::FromBits(MakeExtendedBits(false, kExtendedSpecialExponent, kIntegerBit));
    const TExtended nan = TExtended::FromBits(MakeExtendedBits(false, kExtendedSpecialExponent, kIntegerBit | kQuietBit));
    for (const char* picture : {"", kFixed4, kAxis, "0;0;0"}) {
        EXPECT_EQ(FormatDecimal(picture, inf), "INF") << picture;
        EXPECT_EQ(FormatDecimal(picture, -inf), "-INF") << picture;
        EXPECT_EQ(FormatDecimal(picture, nan), "NAN") << picture;
        EXPECT_EQ(FormatDecimal(picture, -nan), "NAN") << picture;
    }
}

TEST_F(FormatDecimalTest, WritesTheCurrentSeparators)
{
    UseSeparators('.', ',');
    EXPECT_EQ(FormatDecimal(kAxis, 1234567.5), "1,234,567.5");
    EXPECT_EQ(FormatDecimal(kFixed4, 0.5), "0.5000");
    EXPECT_EQ(FormatDecimal("", 1.5e30), "1.5E30");
    UseSeparators(',', '\xA0');
    EXPECT_EQ(FormatDecimal(kAxis, 1234567.5), "1\xA0" "234\xA0" "567,5");
}

TEST_F(FormatDecimalTest, PicturesOf225CharactersOrMoreAreRefused)
{
    EXPECT_EQ(RefusalOf(std::string(225, '#')), "Format string too long");
    EXPECT_EQ(RefusalOf(std::string(300, '0')), "Format string too long");
    EXPECT_EQ(RefusalOf(""), "");
    const std::string longest = "0." + std::string(222, '0');
    ASSERT_EQ(longest.size(), 224u);
    EXPECT_EQ(FormatDecimal(longest, 1.5), "1,5" + std::string(221, '0'));
    EXPECT_EQ(FormatDecimal(std::string(224, '0'), 7), std::string(223, '0') + "7");
}

TEST_F(FormatDecimalTest, LiteralsQuotesAndExponentsAreRefused)
{
    for (const char* picture : {"0.00 kg", "0.0E+00", "0.0e-0", "\"x\"0", "'x'0", "0%", "-0.0", "0.0;(0.0)"})
        EXPECT_EQ(RefusalOf(picture).rfind("Format string holds an unsupported character", 0), 0u)
            << picture;
    EXPECT_THROW(FormatDecimal("0;0;x", 1.0), EConvertError); // even in a section not used
}
