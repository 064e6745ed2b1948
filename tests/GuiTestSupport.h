#pragma once
// Helpers shared by the widget tests.
#include "app/Application.h"

#include <vector>

// While alive, error boxes are recorded rather than shown.
class TErrorBoxes {
public:
    TErrorBoxes();
    // The texts of the boxes shown so far, after the pending ones have come up.
    static const std::vector<AnsiString>& Shown();

private:
    static std::vector<AnsiString> FShown;
};
