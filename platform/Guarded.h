#pragma once
// Runs a handler so that no exception leaves it: what escapes goes to the error
// sink (the application's error box) and control returns to the event loop.
// Answers whether the handler finished.
#include "core/Exception.h"
#include "platform/ErrorSink.h"

template <class Handler>
bool Guarded(Handler&& handler) noexcept
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        ReportError(error);
    } catch (...) {
        ReportError(Exception(AnsiFromUtf8("Неизвестная ошибка")));
    }
    return false;
}
