#pragma once
// The values of one dimension of a series (X or Y), stored unscaled and read
// multiplied by Multiplier. Statistics are of the scaled values and are computed
// on the first read after a change.
#include "chart/ValueStats.h"
#include "core/AnsiString.h"
#include "core/Prefault.h"

#include <span>
#include <vector>

class TChartSeries;

// Where AddValueOrdered puts a new value.
enum TChartListOrder { loNone, loAscending, loDescending };

class TChartValueList {
public:
    TChartValueList(TChartSeries& owner, AnsiString name);
    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;

    int ValueCount() const { return static_cast<int>(FValues.size()); }
    // The stored value times Multiplier; EListError for an index outside the list.
    double ValueAt(int index) const;
    // The same for an index known to lie within the list, unchecked: for long runs of values.
    double ValueInRange(int index) const { return FMultiplier == 1 ? FValues[index] : ValueAt(index); }
    // The values as stored: ValueAt multiplies them by Multiplier.
    std::span<const double> StoredValues() const { return FValues; }

    // Stores the value where Order requires and returns its index. Equal values keep
    // their insertion order: a new value goes after all values equal to it.
    int AddValueOrdered(double value);
    // Stores the value at index 0 … ValueCount, shifting later values up.
    void InsertValueAt(int index, double value);
    // Empties the list and releases its storage.
    void RemoveAllValues();
    // Whether the scaled values never decrease from one index to the next.
    bool ScaledAscending() const { return FAscending && FMultiplier >= 0; }
    // The smallest index from `from` on whose scaled value is at least the given one,
    // or −1; a binary search while the values ascend, a scan otherwise.
    int FirstIndexAtLeast(double value, int from) const;
    // Room for this many values, so that a long run of adds does not copy the storage as it grows.
    void Reserve(int count)
    {
        FValues.reserve(static_cast<std::size_t>(count));
        PrefaultCapacity(FValues);
    }

    double LowestValue() const;
    double HighestValue() const;
    double ValueSum() const;
    double AbsoluteSum() const;
    bool StatsDirty() const { return FStatsDirty; }

    double Multiplier() const { return FMultiplier; }
    void SetMultiplier(double value);
    bool DateTime() const { return FDateTime; }
    void SetDateTime(bool value);
    const AnsiString& Name() const { return FName; }
    TChartListOrder Order() const { return FOrder; }
    void SetOrder(TChartListOrder value);

private:
    void UpdateStats() const;
    void Store(std::size_t index, double value);

    TChartSeries& FOwner;
    std::vector<double> FValues;
    AnsiString FName;
    double FMultiplier = 1;
    TChartListOrder FOrder = loNone;
    bool FDateTime = false;

    bool FAscending = true; // the stored values never decrease
    mutable bool FStatsDirty = true;
    mutable TValueStats FStats;
};
