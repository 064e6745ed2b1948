#pragma once
// Errors of the chart control and of its axes.
#include "core/Exception.h"

class ChartException : public Exception {
public:
    using Exception::Exception;
};

class AxisException : public Exception {
public:
    using Exception::Exception;
};
