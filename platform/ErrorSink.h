#pragma once
// Where an exception that escapes a Qt handler goes. The application object installs
// its error box here; every control and chart reports through it, so nothing unwinds
// through Qt's event dispatch and every failure reaches the user the same way.
#include <exception>
#include <functional>

using TErrorSink = std::function<void(const std::exception& error)>;

// Replaces the sink; returns the previous one. Without a sink, errors go to Qt's warning output.
TErrorSink SetErrorSink(TErrorSink sink);
void ReportError(const std::exception& error);
