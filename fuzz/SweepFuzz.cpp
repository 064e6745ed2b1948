// The sweep and the phase arithmetic on arbitrary doubles: each call returns or
// raises one of the program's exceptions.
#include "fuzz/FuzzTarget.h"

#include "calc/CapacitorSweep.h"
#include "calc/PhaseResponse.h"
#include "core/Exception.h"

#include <cstring>

namespace {

// Runs one computation; the program's exceptions end it as they end a handler.
template <class Step>
void Run(Step step)
{
    try {
        step();
    } catch (const Exception&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double values[6];
    if (size < sizeof values)
        return 0;
    std::memcpy(values, data, sizeof values);
    const TSweepInputs inputs{values[0], values[1], values[2], values[3], values[4]};

    Run([&] { SweepProgressMax(inputs.From, inputs.To, inputs.Step); });
    Run([&] {
        const std::vector<TSweepRow> rows = CalcSweepRows(inputs);
        FuzzExpect(static_cast<std::int64_t>(rows.size()) <= kMaxSweepRows, "the sweep keeps its row bound");
        for (const TSweepRow& row : rows)
            FuzzExpect(inputs.From <= row.Mn && row.Mn <= inputs.To, "every Мн lies within the range");
    });
    Run([&] { PhaseShift(values[0], values[5], 1 + data[sizeof values - 1] % kPhasePoints); });
    return 0;
}
