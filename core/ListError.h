#pragma once
// A list index outside the list.
#include "core/Exception.h"

class EListError : public Exception {
public:
    // "List index out of bounds (<index>)"
    explicit EListError(int index)
        : Exception(FormatMessage("List index out of bounds (%d)", {std::to_string(index)})) {}
};
