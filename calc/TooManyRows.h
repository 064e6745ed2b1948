#pragma once
// A sweep whose range and step would list more rows than the bound allows.
#include "core/Exception.h"

#include <cstdint>

class ETooManyRows : public Exception {
public:
    // The Russian message names the bound and asks for a larger step or a narrower range.
    explicit ETooManyRows(std::int64_t limit);
};
