#pragma once
// Runs a handler so that no exception leaves it: what escapes goes to the error
// sink (the application's error box) and control returns to the event loop.
#include "platform/ErrorSink.h"

#include <stdexcept>

template <class Handler>
void Guarded(Handler&& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& error) {
        ReportError(error);
    } catch (...) {
        ReportError(std::runtime_error("Unknown exception"));
    }
}
