#include "ui/ProgramWindows.h"

TProgramWindows::TProgramWindows()
{
    Form1 = &Main;
    Form2 = &Schematic;
}

TProgramWindows::~TProgramWindows()
{
    Form2 = nullptr;
    Form1 = nullptr;
}
