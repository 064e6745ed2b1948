#include "platform/ErrorSink.h"

#include <QtGlobal>

#include <utility>

namespace {
TErrorSink& Sink()
{
    static TErrorSink sink;
    return sink;
}
} // namespace

TErrorSink SetErrorSink(TErrorSink sink)
{
    return std::exchange(Sink(), std::move(sink));
}

void ReportError(const std::exception& error)
{
    if (Sink())
        Sink()(error);
    else
        qWarning("%s", error.what());
}
