#pragma once
// A control asked to do what it cannot, such as a progress range outside its limits.
#include "core/Exception.h"

class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
    // "<class name> property out of range"
    static EInvalidOperation PropertyOutOfRange(const AnsiString& className)
    {
        return EInvalidOperation(FormatMessage("%s property out of range", {className}));
    }
};
