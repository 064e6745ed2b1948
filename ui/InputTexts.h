#pragma once
// The five input texts as typed, the check that decides whether Calculate is
// available, and their reading into sweep inputs.
#include "calc/CapacitorSweep.h"
#include "core/AnsiString.h"

struct TInputTexts {
    AnsiString Rc;   // Edit1
    AnsiString F;    // Edit2
    AnsiString From; // Edit3
    AnsiString To;   // Edit4
    AnsiString Step; // Edit5
};

// True exactly when every text parses and Step, Rc and F are above 0, From above 1
// and From below To. The fields are read in the order step, Rc, f, from, to, up to
// the first that does not parse.
bool InputsAvailable(const TInputTexts& texts);
// The inputs as the sweep takes them; EConvertError for a text that does not parse.
TSweepInputs ReadSweepInputs(const TInputTexts& texts);
