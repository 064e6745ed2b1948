#pragma once
// The program's two windows, created in start-up order (the main window first, so it
// becomes the main form; the schematic window hidden after it) and published as
// Form1 and Form2 for as long as they live.
#include "ui/KelvMain1.h"
#include "ui/sx.h"

class TProgramWindows {
public:
    TProgramWindows();
    ~TProgramWindows();
    TProgramWindows(const TProgramWindows&) = delete;
    TProgramWindows& operator=(const TProgramWindows&) = delete;

    TForm1 Main;
    TForm2 Schematic;
};
