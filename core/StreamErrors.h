#pragma once
// Errors of reading stored data.
#include "Exception.h"

class EReadError : public Exception {
public:
    EReadError() : Exception("Stream read error") {}
};
