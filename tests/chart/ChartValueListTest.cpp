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
        series.YValues().SetOrder(c.order);
        std::vector<int> results;
        for (double v : {2.0, 1.0, 1.0, 3.0})
            results.push_back(series.YValues().AddValueOrdered(v));
        EXPECT_EQ(results, c.results) << "order " << c.order;
        EXPECT_EQ(Values(series.YValues()), c.values) << "order " << c.order;
    }
}

TEST(ChartValueList, StatisticsAreOfScaledValuesAndFollowChanges)
{
    TLineSeries series;
    TChartValueList& list = series.YValues();
    for (double v : {5.0, -3.0, 9.0})
        list.AddValueOrdered(v);
    const auto stats = [&] {
        return std::vector<double>{list.LowestValue(), list.HighestValue(), list.ValueSum(), list.AbsoluteSum()};
    };
    EXPECT_EQ(stats(), (std::vector<double>{-3, 9, 11, 17}));
    EXPECT_FALSE(list.StatsDirty());

    list.SetMultiplier(2);
    EXPECT_TRUE(list.StatsDirty());
    EXPECT_EQ(Values(list), (std::vector<double>{10, -6, 18}));
    EXPECT_EQ(stats(), (std::vector<double>{-6, 18, 22, 34}));

    list.InsertValueAt(0, -10);
    EXPECT_TRUE(list.StatsDirty()) << "recomputed only when next read";
    EXPECT_EQ(list.LowestValue(), -20);
    list.RemoveAllValues();
    EXPECT_EQ(stats(), (std::vector<double>{0, 0, 0, 0}));
}

TEST(ChartValueList, IndexOutsideTheListRaisesTheListError)
{
    TLineSeries series;
    series.AddPoint(5, "", AutoColor);
    for (int index : {-1, 1}) {
        try {
            series.YValueAt(index);
            ADD_FAILURE() << "no error for index " << index;
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
    EXPECT_THROW(series.XValues().InsertValueAt(2, 0), EListError);
}
