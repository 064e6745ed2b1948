// Which pixels a line covers: every pixel from its start up to its end, the end left
// out, one per step along the longer direction; and which rows a chain of such lines
// covers within one pixel column.
#include "chart/AxisPixels.h"
#include "chart/ColumnWalk.h"
#include "chart/LineRaster.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <set>
#include <span>
#include <utility>
#include <vector>

namespace {

using TPixels = std::set<std::pair<int, int>>;

// The rows covered by vertical lines between consecutive rows, each covering its
// start and leaving out its end.
std::set<int> CoveredRows(std::span<const int> rows)
{
    std::set<int> cover;
    for (std::size_t i = 1; i < rows.size(); ++i)
        for (int y = rows[i - 1]; y != rows[i]; y += rows[i] > y ? 1 : -1)
            cover.insert(y);
    return cover;
}

// Calls test(sequence) with every sequence of 1 … maxLength items drawn from the choices.
template <class T, class Test>
void ForEverySequence(std::span<const T> choices, int maxLength, Test test)
{
    const int n = static_cast<int>(choices.size());
    for (int length = 1; length <= maxLength; ++length) {
        int count = 1;
        for (int i = 0; i < length; ++i)
            count *= n;
        for (int code = 0; code < count; ++code) {
            std::vector<T> sequence;
            for (int c = code, i = 0; i < length; ++i, c /= n)
                sequence.push_back(choices[static_cast<std::size_t>(c % n)]);
            test(sequence);
        }
    }
}
constexpr int kEverywhere[4] = {-1'000'000, -1'000'000, 1'000'000, 1'000'000};

TPixels Line(int x0, int y0, int x1, int y1, const int (&bounds)[4] = kEverywhere)
{
    TPixels pixels;
    ForEachLineRun(x0, y0, x1, y1, bounds, [&](const TPixelRun& run) {
        EXPECT_EQ((run.Right - run.Left) * (run.Bottom - run.Top), run.Steps);
        for (int x = run.Left; x < run.Right; ++x)
            for (int y = run.Top; y < run.Bottom; ++y)
                EXPECT_TRUE(pixels.insert({x, y}).second) << "pixel " << x << "," << y << " twice";
    });
    return pixels;
}

} // namespace

TEST(LineRaster, ALineCoversOnePixelPerStepAndLeavesOutItsEnd)
{
    const struct {
        int x0, y0, x1, y1;
        TPixels pixels;
    } cases[] = {
        {1, 1, 6, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}},
        {6, 1, 1, 1, {{6, 1}, {5, 1}, {4, 1}, {3, 1}, {2, 1}}},
        {3, 5, 3, 2, {{3, 5}, {3, 4}, {3, 3}}},
        {0, 0, 4, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}}, // halves round down-right
        {0, 0, 2, 5, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
        {0, 0, 3, -3, {{0, 0}, {1, -1}, {2, -2}}},
        {2, 2, 2, 2, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Line(c.x0, c.y0, c.x1, c.y1), c.pixels) << c.x0 << "," << c.y0 << " to " << c.x1 << "," << c.y1;
}

TEST(LineRaster, BoundsSkipPixelsOutsideButKeepEveryPixelInside)
{
    const int bounds[4] = {-40, -30, 60, 50};
    TPixels inside;
    for (const auto& p : Line(-3000, -2000, 3000, 2500))
        if (p.first >= bounds[0] && p.first < bounds[2] && p.second >= bounds[1] && p.second < bounds[3])
            inside.insert(p);
    EXPECT_EQ(Line(-3000, -2000, 3000, 2500, bounds), inside);

    // A line reaching two billion pixels off the picture costs only its visible part:
    // here one pixel in each column from x = 50 down to −40, all on row 40.
    const TPixels far = Line(50, 40, -2'000'000'000, 7, bounds);
    EXPECT_EQ(far.size(), 91u);
    EXPECT_EQ(*far.begin(), std::make_pair(-40, 40));
    EXPECT_EQ(*far.rbegin(), std::make_pair(50, 40));
}

TEST(LineRaster, DashesFollowThePatternFromTheLineStart)
{
    const int dots[] = {3, 3};
    std::vector<std::pair<int, int>> dashes;
    ForEachDash(dots, 4, 10, [&](int first, int count) { dashes.emplace_back(first, count); });
    EXPECT_EQ(dashes, (std::vector<std::pair<int, int>>{{6, 3}, {12, 2}}));
    dashes.clear();
    ForEachDash(std::span<const int>{}, 2, 5, [&](int first, int count) { dashes.emplace_back(first, count); });
    EXPECT_EQ(dashes, (std::vector<std::pair<int, int>>{{2, 5}}));
}

TEST(ColumnWalk, AFewPointsCoverTheRowsOfEveryWalkOfUpToSevenPoints)
{
    // Every walk over four rows, the hard cases among them: a last row that is an
    // extreme reached before, reached only at the end, or reached and then stayed on.
    const int choices[] = {0, 1, 2, 3};
    ForEverySequence<int>(choices, 7, [](const std::vector<int>& rows) {
        TColumnWalk walk(rows[0]);
        for (std::size_t i = 1; i < rows.size(); ++i)
            walk.Add(rows[i]);
        const std::set<int> full = CoveredRows(rows);
        int reduced[4];
        const std::span<const int> few = walk.Reduced(reduced);
        ASSERT_EQ(CoveredRows(few), full) << testing::PrintToString(rows);
        ASSERT_EQ(few.front(), rows.front());
        ASSERT_EQ(few.back(), rows.back());
        int low = 0, high = 0;
        std::set<int> run;
        if (walk.Covered(low, high))
            for (int y = low; y <= high; ++y)
                run.insert(y);
        ASSERT_EQ(run, full) << testing::PrintToString(rows);
    });
}

TEST(ColumnWalk, TheWalkFoundFromTheValuesCoversTheRowsOfTheirWalk)
{
    // Four pixels a unit, rows growing downward: the values lie on rows 40, 40, 39, 36,
    // 36 and 36, so that several share a row and a last row's run can start anywhere.
    TAxisMapping mapping{.Horizontal = false, .RangeMin = 0, .RangeMax = 10};
    mapping.Place(0, 40, 0, 100);
    const TAxisPixels rows(mapping);
    const double choices[] = {0, 0.1, 0.2, 0.9, 1.0, 1.1};
    ForEverySequence<double>(choices, 6, [&](const std::vector<double>& values) {
        std::vector<int> walked;
        for (const double v : values)
            walked.push_back(rows.PosClamped(v));
        const std::optional<TColumnWalk> walk = TColumnWalk::OfValues(values, rows);
        ASSERT_TRUE(walk.has_value());
        int reduced[4];
        const std::span<const int> few = walk->Reduced(reduced);
        ASSERT_EQ(CoveredRows(few), CoveredRows(walked)) << testing::PrintToString(values);
        ASSERT_EQ(few.front(), walked.front());
        ASSERT_EQ(few.back(), walked.back());
    });
    const double withNaN[] = {0.1, std::numeric_limits<double>::quiet_NaN(), 0.2};
    EXPECT_FALSE(TColumnWalk::OfValues(withNaN, rows).has_value());
}
