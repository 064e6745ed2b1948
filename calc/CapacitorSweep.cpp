#include "calc/CapacitorSweep.h"

#include "calc/TooManyRows.h"
#include "core/CheckedFloat.h"
#include "core/Prefault.h"

#include <algorithm>

namespace {

// Rows between two reads of the arithmetic's flags.
constexpr int kSweepBlock = 256;

TExtended Attenuation(TExtended mn)
{
    return TExtended(20) * Log10(mn);
}

TExtended Capacitance(TExtended mn, TExtended f, TExtended rc)
{
    const TExtended s = Sqrt(mn * mn - TExtended(1));
    const TExtended d = f * rc;
    return TExtended(159) / (s * d);
}

} // namespace

std::int64_t SweepQuotient(double from, double to, double step)
{
    return RoundToInt64(CheckedEval([&] { return (TExtended(to) - from) / step; }));
}

std::int32_t SweepProgressMax(double from, double to, double step)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(SweepQuotient(from, to, step)));
}

double SweepAttenuation(double mn)
{
    return StoreDouble(CheckedEval([&] { return Attenuation(mn); }));
}

double SweepCapacitance(double mn, double f, double rc)
{
    return StoreDouble(CheckedEval([&] { return Capacitance(mn, f, rc); }));
}

double NextMn(double mn, double step)
{
    return StoreDouble(TExtended(mn) + step);
}

std::vector<TSweepRow> CalcSweepRows(const TSweepInputs& in)
{
    const std::int64_t quotient = SweepQuotient(in.From, in.To, in.Step);
    if (quotient > kMaxSweepRows)
        throw ETooManyRows(kMaxSweepRows);

    std::vector<TSweepRow> rows;
    rows.reserve(static_cast<std::size_t>(std::max<std::int64_t>(quotient, 0) + 1));
    PrefaultCapacity(rows);
    const auto maxRows = static_cast<std::size_t>(kMaxSweepRows);
    const auto inSweep = [&in](double mn) { return mn >= in.From && mn <= in.To; };
    // One flag scope for the whole sweep, read once per block of rows: reading the
    // flags costs more than a row's arithmetic. A block whose flags show a fault is
    // worked again row by row and step by step, which raises the fault where it arose.
    const TFloatErrorScope scope;
    double mn = in.From;
    while (inSweep(mn)) {
        const std::size_t blockStart = rows.size();
        const double blockMn = mn;
        for (int n = 0; n < kSweepBlock && inSweep(mn) && rows.size() < maxRows; ++n) {
            rows.push_back({mn, Attenuation(mn).ToDouble(), Capacitance(mn, in.F, in.Rc).ToDouble()});
            mn = (TExtended(mn) + in.Step).ToDouble();
        }
        const bool full = rows.size() == maxRows && inSweep(mn);
        if (!full && !(ExtendedFlags() & (efInvalid | efZeroDivide | efOverflow)))
            continue;
        rows.resize(blockStart);
        mn = blockMn;
        const TFloatErrorScope rowScope; // without the flags the block raised
        for (int n = 0; n < kSweepBlock && inSweep(mn); ++n) {
            // Accumulation can outrun the quotient, and a step below half a unit of Мн
            // never moves it at all.
            if (rows.size() == maxRows)
                throw ETooManyRows(kMaxSweepRows);
            // The attenuation is checked before the capacitance is computed, so each
            // fault is reported by the step that made it (log10 of 0 divides by zero
            // before the square root of -1 is invalid).
            const double attenuation = StoreDouble(Attenuation(mn));
            rowScope.Check();
            const double capacitance = StoreDouble(Capacitance(mn, in.F, in.Rc));
            rowScope.Check();
            rows.push_back({mn, attenuation, capacitance});
            mn = NextMn(mn, in.Step);
        }
    }
    return rows;
}
