#pragma once
// The standard series of capacitor values E6, E12 and E24: two-digit mantissas from 1,0
// to 9,1 in each decade, from 1 pF up to 910000 µF, and the values next to a capacitance.
#include <optional>
#include <span>
#include <string_view>

enum TStandardSeries { ssE6, ssE12, ssE24 };
inline constexpr TStandardSeries kStandardSeries[] = {ssE6, ssE12, ssE24};

// "E6", "E12", "E24".
const char* StandardSeriesName(TStandardSeries series);
// The series of that name, in either case ("E12", "e12"); nothing for any other text.
std::optional<TStandardSeries> FindStandardSeries(std::string_view name);

// Mantissa × 10^Power pF, the mantissa of two digits (10 … 91).
struct TStandardValue {
    int Mantissa;
    int Power;
    double Microfarads; // the nearest double
};

// Every value of the series, smallest first.
std::span<const TStandardValue> StandardValues(TStandardSeries series);

// The smallest value at or above a capacitance and the largest below it. A capacitance
// that is no positive finite number, or lies above the largest value, has neither; one
// below the smallest value has only the value above.
struct TStandardNeighbours {
    std::optional<TStandardValue> AtOrAbove;
    std::optional<TStandardValue> Below;
};
TStandardNeighbours FindStandardNeighbours(double microfarads, TStandardSeries series);
