#pragma once
// One fuzz target: libFuzzer calls it with each input it makes, the replay
// program with each file of a corpus. A broken expectation aborts with a message,
// which both report as a finding.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Aborts with the message when the condition does not hold.
void FuzzExpect(bool condition, const char* what);
