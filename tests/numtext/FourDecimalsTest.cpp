// The "0.0000" fast path against the general formatter, which stays the reference.
#include "numtext/FourDecimals.h"
#include "numtext/FormatDecimal.h"
#include "tests/numtext/SeparatorsFixture.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace {

constexpr long kCount = KELVORIN_EXACTNESS_COUNT;
constexpr double kInf = std::numeric_limits<double>::infinity();

class FourDecimalsTest : public SeparatorsTest {
protected:
    FourDecimalsTest() { UseSeparators(',', ' '); }

    // The value and its neighbours up to two steps away, with both signs.
    void ExpectSameAround(double value)
    {
        double below = value;
        double above = value;
        ExpectSameBothSigns(value);
        for (int i = 0; i < 2; ++i) {
            below = std::nextafter(below, -kInf);
            above = std::nextafter(above, kInf);
            ExpectSameBothSigns(below);
            ExpectSameBothSigns(above);
        }
    }

    void ExpectSameBothSigns(double value)
    {
        ExpectSame(value);
        ExpectSame(-value);
    }

    // Reports the first few differences only: a fault would otherwise flood the log.
    void ExpectSame(double value)
    {
        const AnsiString fast = FormatFourDecimals(value);
        const AnsiString reference = FPicture.Format(value);
        if (fast != reference && ++FDifferences <= 10)
            ADD_FAILURE() << std::hexfloat << value << " (" << std::defaultfloat << value << "): " << fast
                          << " instead of " << reference;
    }

    std::mt19937_64 FRandom{20261208};

private:
    const TDecimalPicture FPicture{"0.0000"};
    int FDifferences = 0;
};

} // namespace

TEST_F(FourDecimalsTest, EdgeValuesWithEitherDecimalCharacter)
{
    const double values[] = {
        0, DBL_TRUE_MIN, DBL_MIN, 1e-5, 4.9999e-5, 5e-5, 0.00015, 0.5, 1, 1.0001, 1.025, 9.99995,
        99999.99995, 1022.0907, 999999999.99995, 1e9, 1e12, 1e15, 1e17, 1e18, 1.5e30, DBL_MAX, kInf,
        std::numeric_limits<double>::quiet_NaN()};
    for (const char decimal : {',', '.'}) {
        UseSeparators(decimal, ' ');
        for (const double value : values)
            ExpectSameAround(value);
    }
}

// Odd multiples of 1/32 are the doubles whose expansion ends exactly in 5 at the fifth
// decimal; the nearest doubles to the other ties lie within an ulp of them.
TEST_F(FourDecimalsTest, RoundingTiesAndTheirNeighbours)
{
    const long enumerated = kCount / 40;
    for (long j = 0; j < enumerated; ++j)
        ExpectSameAround((2.0 * j + 1) / 32);
    for (long i = 0; i < enumerated; ++i)
        ExpectSameAround((i + 0.5) / 10000);
    // Ties of every size up to where the general form takes over.
    std::uniform_real_distribution<double> digits(0, 22);
    for (long i = 0; i < enumerated; ++i) {
        const double units = std::floor(std::pow(10.0, digits(FRandom)));
        ExpectSameAround((2 * units + 1) / 32);
        ExpectSameAround((units + 0.5) / 10000);
    }
}

TEST_F(FourDecimalsTest, RandomValuesOfEveryMagnitude)
{
    std::uniform_real_distribution<double> digits(-8, 20);
    std::uniform_real_distribution<double> sweep(1, 2);
    for (long i = 0; i < kCount / 3; ++i) {
        ExpectSame(std::bit_cast<double>(FRandom())); // every kind, NaNs and denormals too
        ExpectSameBothSigns(std::pow(10.0, digits(FRandom)));
        ExpectSame(sweep(FRandom));
    }
}
