// Which pixels a line covers: every pixel from its start up to its end, the end left
// out, one per step along the longer direction.
#include "chart/LineRaster.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using TPixels = std::set<std::pair<int, int>>;
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
