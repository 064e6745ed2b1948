#include "chart/ChartValueList.h"

#include "chart/ChartSeries.h"
#include "core/FirstTrue.h"
#include "core/ListError.h"

#include <algorithm>

TChartValueList::TChartValueList(TChartSeries& owner, AnsiString name)
    : FOwner(owner), FName(std::move(name))
{
}

double TChartValueList::ValueAt(int index) const
{
    if (index < 0 || index >= ValueCount())
        throw EListError(index);
    return ScaledValue(FValues[index], FMultiplier);
}

int TChartValueList::AddValueOrdered(double value)
{
    // Scanning back from the end costs one comparison when values come in order.
    auto index = FValues.size();
    if (FOrder == loAscending) {
        while (index > 0 && FValues[index - 1] > value)
            --index;
    } else if (FOrder == loDescending) {
        while (index > 0 && FValues[index - 1] < value)
            --index;
    }
    Store(index, value);
    return static_cast<int>(index);
}

void TChartValueList::InsertValueAt(int index, double value)
{
    if (index < 0 || index > ValueCount())
        throw EListError(index);
    Store(static_cast<std::size_t>(index), value);
}

void TChartValueList::Store(std::size_t index, double value)
{
    // Ascending order survives an insert that keeps both neighbours in order.
    if (index > 0 && !(FValues[index - 1] <= value))
        FAscending = false;
    if (index < FValues.size() && !(value <= FValues[index]))
        FAscending = false;
    FValues.insert(FValues.begin() + static_cast<std::ptrdiff_t>(index), value);
    FStatsDirty = true;
}

int TChartValueList::FirstIndexAtLeast(double value, int from) const
{
    const int count = ValueCount();
    if (ScaledAscending()) {
        const int first = FirstTrue(std::min(std::max(from, 0), count), count, [&](int i) { return ValueAt(i) >= value; });
        return first < count ? first : -1;
    }
    for (int i = std::max(from, 0); i < count; ++i)
        if (ValueAt(i) >= value)
            return i;
    return -1;
}

void TChartValueList::RemoveAllValues()
{
    std::vector<double>().swap(FValues);
    FAscending = true;
    FStatsDirty = true;
}

void TChartValueList::UpdateStats() const
{
    if (!FStatsDirty)
        return;
    FStats = ValueStats(FValues, FMultiplier);
    FStatsDirty = false;
}

double TChartValueList::LowestValue() const
{
    UpdateStats();
    return FStats.Lowest;
}

double TChartValueList::HighestValue() const
{
    UpdateStats();
    return FStats.Highest;
}

double TChartValueList::ValueSum() const
{
    UpdateStats();
    return FStats.Sum;
}

double TChartValueList::AbsoluteSum() const
{
    UpdateStats();
    return FStats.AbsoluteSum;
}

void TChartValueList::SetMultiplier(double value)
{
    if (value == FMultiplier)
        return;
    FMultiplier = value;
    FStatsDirty = true;
    FOwner.Repaint();
}

void TChartValueList::SetOrder(TChartListOrder value)
{
    if (value == FOrder)
        return;
    FOrder = value;
    FOwner.Repaint();
}

void TChartValueList::SetDateTime(bool value)
{
    if (value == FDateTime)
        return;
    FDateTime = value;
    FOwner.Repaint();
}
