#pragma once
// The availability check of Calculate, with what the user is shown when it refuses:
// the reason, in the program's Russian, and which fields hold a text that is no number.
#include "core/AnsiString.h"
#include "results/InputTexts.h"

#include <array>

struct TInputsCheck {
    // Why Calculate is refused: the first text that does not parse, named by its field,
    // or else the first rule the inputs break (InputsFault). Empty when Calculate may run.
    AnsiString Reason;
    // Whether each input's text does not parse, by TInput.
    std::array<bool, kInputCount> Unparsable{};

    bool Available() const { return Reason.empty(); }
};

// Reads every text as ReadInputNumber does, the step first, then Rc, f, from and to; when
// all of them parse, checks the rules of InputsFault. Errors other than a text that does
// not parse go to the caller.
TInputsCheck CheckInputs(const TInputTexts& texts);
