// A guarded handler's exception reaches the one installed sink, whatever its type.
#include "core/ConvertError.h"
#include "platform/Guarded.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ErrorSink, GuardedHandlersReportToTheInstalledSinkAndReturn)
{
    std::vector<std::string> seen;
    const TErrorSink previous = SetErrorSink([&](const std::exception& e) { seen.emplace_back(e.what()); });
    Guarded([] { throw std::runtime_error("first"); });
    Guarded([] { throw 42; });
    bool ran = false;
    Guarded([&] { ran = true; });
    SetErrorSink(previous);
    EXPECT_TRUE(ran);
    EXPECT_EQ(seen, (std::vector<std::string>{"first", AnsiFromUtf8("Неизвестная ошибка")}));
}
