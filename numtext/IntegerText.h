#pragma once
#include "core/AnsiString.h"

#include <cstdint>

// The integer in plain decimal: "-" before a negative value, no leading zeros, no grouping.
AnsiString IntegerText(std::int32_t value);
