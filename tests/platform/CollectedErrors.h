#pragma once
// While alive, errors reported to the sink are collected as their texts. The previous
// sink comes back when it goes, even when a failed assertion ends the test early.
#include "platform/ErrorSink.h"

#include <string>
#include <vector>

class TCollectedErrors {
public:
    TCollectedErrors()
        : FPrevious(SetErrorSink([this](const std::exception& error) { Texts.emplace_back(error.what()); }))
    {
    }
    ~TCollectedErrors() { SetErrorSink(FPrevious); }
    TCollectedErrors(const TCollectedErrors&) = delete;
    TCollectedErrors& operator=(const TCollectedErrors&) = delete;

    std::vector<std::string> Texts;

private:
    TErrorSink FPrevious;
};
