#pragma once
// Errors of reading stored data.
#include "core/Exception.h"

class EReadError : public Exception {
public:
    EReadError() : Exception("Stream read error") {}
};
