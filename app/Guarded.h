#pragma once
// Runs a handler so that no exception leaves it: what escapes goes to the
// application's error box and control returns to the event loop.
#include "Application.h"

#include <stdexcept>

template <class Handler>
void Guarded(Handler&& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& error) {
        if (Application)
            Application->HandleException(error);
    } catch (...) {
        if (Application)
            Application->HandleException(std::runtime_error("Unknown exception"));
    }
}
