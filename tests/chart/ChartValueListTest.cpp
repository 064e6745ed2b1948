#include "chart/LineSeries.h"
#include "core/ListError.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<double> Values(const TChartValueList& list)
{
    std::vector<double> values;
    for (int i = 0; i < list.ValueCount(); ++i)
        values.push_back(list.ValueAt(i));
    return values;
}
} // namespace

TEST(ChartValueList, OrderedAddPutsEqualValuesAfterTheirEquals)
{
    const struct {
        TChartListOrder order;
        std::vector<int> results;
        std::vector<double> values;
    } cases[] = {
        {loNone, {0, 1, 2, 3}, {2, 1, 1, 3}},
        {loAscending, {0, 0, 1, 3}, {1, 1, 2, 3}},
        {loDescending, {0, 1, 2, 0}, {3, 2, 1, 1}},
    };
    for (const auto& c : cases) {
        TLineSeries series;
        TChartValueList& list = series.YValues();
        list.SetOrder(c.order);
        std::vector<int> results;
        for (double v : {2.0, 1.0, 1.0, 3.0})
            results.push_back(list.AddValueOrdered(v));
        EXPECT_EQ(results, c.results) << "order " << c.order;
        EXPECT_EQ(Values(list), c.values) << "order " << c.order;
    }
}

TEST(ChartValueList, StatisticsAreOfScaledValuesAndRecomputedAfterChanges)
{
    TLineSeries series;
    TChartValueList& list = series.YValues();
    EXPECT_TRUE(list.StatsDirty());
    EXPECT_EQ(list.LowestValue(), 0);
    EXPECT_EQ(list.AbsoluteSum(), 0);

    for (double v : {5.0, -3.0, 9.0})
        list.AddValueOrdered(v);
    EXPECT_TRUE(list.StatsDirty());
    EXPECT_EQ(list.LowestValue(), -3);
    EXPECT_FALSE(list.StatsDirty());
    EXPECT_EQ(list.HighestValue(), 9);
    EXPECT_EQ(list.ValueSum(), 11);
    EXPECT_EQ(list.AbsoluteSum(), 17);

    list.SetMultiplier(2);
    EXPECT_TRUE(list.StatsDirty());
    EXPECT_EQ(Values(list), (std::vector<double>{10, -6, 18}));
    EXPECT_EQ(list.LowestValue(), -6);
    EXPECT_EQ(list.HighestValue(), 18);
    EXPECT_EQ(list.ValueSum(), 22);
    EXPECT_EQ(list.AbsoluteSum(), 34);

    list.InsertValueAt(0, -10);
    EXPECT_EQ(list.LowestValue(), -20);
    list.RemoveAllValues();
    EXPECT_EQ(list.ValueCount(), 0);
    EXPECT_EQ(list.HighestValue(), 0);
}

TEST(ChartValueList, IndexOutsideTheListRaisesTheListError)
{
    TLineSeries series;
    series.AddPoint(5, "", AutoColor);
    const struct {
        std::function<void()> call;
        const char* message;
    } cases[] = {
        {[&] { series.XValueAt(1); }, "List index out of bounds (1)"},
        {[&] { series.YValueAt(-1); }, "List index out of bounds (-1)"},
        {[&] { series.YValues().InsertValueAt(2, 0); }, "List index out of bounds (2)"},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << "no error for: " << c.message;
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}
