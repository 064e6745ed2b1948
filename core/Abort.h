#pragma once
// A silent stop: raised by a handler that wants the operation calling it
// ended without an error being shown.
#include "core/Exception.h"

class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};
