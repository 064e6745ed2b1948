#pragma once
// The five input texts as typed, their reading into sweep inputs and the rules the
// inputs must keep.
#include "calc/CapacitorSweep.h"
#include "core/AnsiString.h"

#include <cstddef>
#include <optional>

// The five inputs.
enum TInput { inRc, inF, inFrom, inTo, inStep };
constexpr std::size_t kInputCount = 5;

struct TInputTexts {
    AnsiString Rc;   // Edit1
    AnsiString F;    // Edit2
    AnsiString From; // Edit3
    AnsiString To;   // Edit4
    AnsiString Step; // Edit5

    const AnsiString& Text(TInput input) const;
};

// The inputs as the sweep takes them; EConvertError for the first text, in the order
// Rc, f, step, from, to, that does not parse.
TSweepInputs ReadSweepInputs(const TInputTexts& texts);
// The first rule the inputs break, as a message for the user: Step, Rc and F above 0,
// From above 1, From below To. Nothing when Calculate may run.
std::optional<AnsiString> InputsFault(const TSweepInputs& inputs);
