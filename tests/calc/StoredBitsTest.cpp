// The doubles the sweep and the phase response store are the same bits on every
// machine: a digest of every stored value for the cases the x87 reference checks on
// x86-64 (tests/calc/X87ReferenceTest.cpp), which other machines must reproduce.
#include "calc/CapacitorSweep.h"
#include "calc/PhaseResponse.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

// FNV-1a over the bytes of each double.
class TDigest {
public:
    void Add(double value)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 8; ++i, bits >>= 8)
            FHash = (FHash ^ (bits & 0xFF)) * 0x100000001B3;
    }
    std::uint64_t Value() const { return FHash; }

private:
    std::uint64_t FHash = 0xCBF29CE484222325;
};

} // namespace

TEST(StoredBits, SweepRowsAndPhasePointsAreTheSameOnEveryMachine)
{
    const TSweepInputs sweeps[] = {
        {220, 50, 0.0001, 1.0001, 1.025},
        {470, 20, 0.003, 1.001, 1.9},
        {1000, 5, 0.5, 1.25, 40},
    };
    TDigest rows;
    for (const TSweepInputs& in : sweeps)
        for (const TSweepRow& row : CalcSweepRows(in)) {
            rows.Add(row.Mn);
            rows.Add(row.Attenuation);
            rows.Add(row.Capacitance);
        }
    TDigest phase;
    const struct {
        double rc, cc;
    } curves[] = {{220, 1.0221}, {220, 0.0642}, {-220, 0.4571}, {1e-3, 1e5}, {470, 1e-4}};
    for (const auto& c : curves)
        for (int n = 1; n <= kPhasePoints; ++n)
            phase.Add(PhaseShift(c.rc, c.cc, n));
    EXPECT_EQ(rows.Value(), 6861203034577038994u);
    EXPECT_EQ(phase.Value(), 6757709492764648763u);
}
