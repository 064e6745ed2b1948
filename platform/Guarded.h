#pragma once
// Runs a handler so that no exception leaves it: what escapes goes to the error
// sink (the application's error box) and control returns to the event loop.
// Answers whether the handler finished.
#include "platform/ErrorSink.h"

#include <stdexcept>

template <class Handler>
bool Guarded(Handler&& handler) noexcept
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        ReportError(error);
    } catch (...) {
        ReportError(std::runtime_error("Unknown exception"));
    }
    return false;
}
