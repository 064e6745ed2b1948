#pragma once
// A calculated table: the inputs the sweep ran with and its rows, exact, for what is
// worked out from a row after its texts are written.
#include "calc/CapacitorSweep.h"

#include <vector>

struct TSweepTable {
    TSweepInputs Inputs{};
    std::vector<TSweepRow> Rows;
};
