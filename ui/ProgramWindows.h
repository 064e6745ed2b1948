#pragma once
// The program's windows, created in start-up order (the main window first, so it
// becomes the main form; the schematic window hidden after it, then the help window)
// and published as Form1 and Form2 for as long as they live; and the keys that work
// from any of them: F1 shows the help, Ctrl+Q ends the program as the main window's
// close box does.
#include "ui/HelpForm.h"
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
    THelpForm Help;

    // Shows the help window, or brings it to the front when it is already open.
    void ShowHelp();
};
