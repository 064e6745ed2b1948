#include "calc/StandardSeries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

TEST(StandardSeries, EveryDecadeHoldsTheStandardMantissasFromOnePicofaradUp)
{
    const struct {
        TStandardSeries series;
        std::vector<int> decade;
    } cases[] = {
        {ssE6, {10, 15, 22, 33, 47, 68}},
        {ssE12, {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82}},
        // 2,7 3,3 3,9 4,3 4,7 8,2: not the rounded geometric steps 2,6 3,2 3,8 4,2 4,6 8,3.
        {ssE24, {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91}},
    };
    for (const auto& c : cases) {
        const auto values = StandardValues(c.series);
        ASSERT_EQ(values.size(), 12 * c.decade.size()) << StandardSeriesName(c.series);
        for (std::size_t k = 0; k < values.size(); ++k) {
            EXPECT_EQ(values[k].Mantissa, c.decade[k % c.decade.size()]);
            EXPECT_EQ(values[k].Power, -1 + static_cast<int>(k / c.decade.size()));
            if (k > 0) {
                EXPECT_LT(values[k - 1].Microfarads, values[k].Microfarads);
            }
        }
    }
    // The nearest doubles, as the literals give them.
    const auto e24 = StandardValues(ssE24);
    EXPECT_EQ(e24.front().Microfarads, 1e-6);
    EXPECT_EQ(e24[24 * 5 + 10].Microfarads, 0.27);  // 27·10^4 pF
    EXPECT_EQ(e24[24 * 6 + 15].Microfarads, 4.3);   // 43·10^5 pF
    EXPECT_EQ(e24[24 * 3 + 12].Microfarads, 0.0033); // 33·10^2 pF
    EXPECT_EQ(e24.back().Microfarads, 910000.0);
}

TEST(StandardSeries, NeighboursAreTheValueAtOrAboveAndTheOneBelow)
{
    const double none = -1;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double cc;
        TStandardSeries series;
        double above, below;
    } cases[] = {
        {1.0220651597, ssE12, 1.2, 1.0},
        {1.0220651597, ssE24, 1.1, 1.0},
        {0.0642, ssE6, 0.068, 0.047},
        {0.1, ssE12, 0.1, 0.082}, // exactly a standard value
        {0.1000000001, ssE6, 0.15, 0.1},
        {0.099999999, ssE24, 0.1, 0.091},
        {1e-6, ssE6, 1e-6, none},  // the smallest value
        {1e-12, ssE6, 1e-6, none}, // below every value
        {910000, ssE24, 910000, 820000},
        {910000, ssE12, none, none}, // beyond the largest E12 value, 820000 µF
        {1e300, ssE24, none, none},
        {0, ssE24, none, none},
        {-0.1, ssE24, none, none},
        {nan, ssE24, none, none},
        {inf, ssE24, none, none},
    };
    for (const auto& c : cases) {
        const TStandardNeighbours found = FindStandardNeighbours(c.cc, c.series);
        EXPECT_EQ(found.AtOrAbove ? found.AtOrAbove->Microfarads : none, c.above) << c.cc;
        EXPECT_EQ(found.Below ? found.Below->Microfarads : none, c.below) << c.cc;
    }
}

TEST(StandardSeries, NamesAreFoundInEitherCaseAndNothingElse)
{
    for (const TStandardSeries series : kStandardSeries)
        EXPECT_EQ(FindStandardSeries(StandardSeriesName(series)), series);
    EXPECT_EQ(FindStandardSeries("e12"), ssE12);
    for (const char* wrong : {"", "E", "E48", "E06", "E 6", "E12 ", "Е12" /* Cyrillic Е */})
        EXPECT_FALSE(FindStandardSeries(wrong)) << wrong;
}
