#include "fuzz/FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

void FuzzExpect(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "broken expectation: %s\n", what);
    std::abort();
}
