#include "calc/StandardSeries.h"

#include "core/CheckedFloat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kE6[] = {10, 15, 22, 33, 47, 68};
constexpr int kE12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr int kE24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                        33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// Decades by the power of ten of the mantissa in pF: 1,0 pF is 10·10^-1 pF, 910000 µF
// is 91·10^10 pF. No coupling capacitor lies outside.
constexpr int kLowestPower = -1;
constexpr int kHighestPower = 10;
constexpr int kPicofaradsPerMicrofarad = 6;

struct TSeriesData {
    const char* Name;
    std::span<const int> Mantissas;
};

// By TStandardSeries.
constexpr TSeriesData kSeries[] = {{"E6", kE6}, {"E12", kE12}, {"E24", kE24}};

const TSeriesData& SeriesData(TStandardSeries series)
{
    if (static_cast<std::size_t>(series) >= std::size(kSeries))
        throw std::invalid_argument("no such series");
    return kSeries[series];
}

TExtended PowerOfTen(int power)
{
    TExtended value(1);
    for (int k = 0; k < power; ++k)
        value *= TExtended(10);
    return value;
}

// The double nearest Mantissa·10^(Power−6): every power of ten used is exact in
// extended precision, so only the division and the store round.
double Microfarads(int mantissa, int power)
{
    const int exponent = power - kPicofaradsPerMicrofarad;
    return StoreDouble(CheckedEval([&] {
        return exponent >= 0 ? TExtended(mantissa) * PowerOfTen(exponent) : TExtended(mantissa) / PowerOfTen(-exponent);
    }));
}

std::vector<TStandardValue> MakeValues(TStandardSeries series)
{
    std::vector<TStandardValue> values;
    for (int power = kLowestPower; power <= kHighestPower; ++power)
        for (const int mantissa : SeriesData(series).Mantissas)
            values.push_back({mantissa, power, Microfarads(mantissa, power)});
    return values;
}

} // namespace

const char* StandardSeriesName(TStandardSeries series)
{
    return SeriesData(series).Name;
}

std::optional<TStandardSeries> FindStandardSeries(std::string_view name)
{
    for (const TStandardSeries series : kStandardSeries) {
        const std::string_view known = StandardSeriesName(series);
        if (name.size() == known.size()
            && std::equal(name.begin(), name.end(), known.begin(), [](char a, char b) { return (a == 'e' ? 'E' : a) == b; }))
            return series;
    }
    return std::nullopt;
}

std::span<const TStandardValue> StandardValues(TStandardSeries series)
{
    static const std::array<std::vector<TStandardValue>, 3> values = {MakeValues(ssE6), MakeValues(ssE12),
                                                                      MakeValues(ssE24)};
    return values.at(series);
}

TStandardNeighbours FindStandardNeighbours(double microfarads, TStandardSeries series)
{
    const std::span<const TStandardValue> values = StandardValues(series);
    if (!(std::isfinite(microfarads) && microfarads > 0) || microfarads > values.back().Microfarads)
        return {};
    const auto above = std::lower_bound(values.begin(), values.end(), microfarads,
                                        [](const TStandardValue& value, double c) { return value.Microfarads < c; });
    TStandardNeighbours neighbours{*above, std::nullopt};
    if (above != values.begin())
        neighbours.Below = *(above - 1);
    return neighbours;
}
