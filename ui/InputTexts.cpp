#include "InputTexts.h"

#include "InputNumber.h"
#include "core/ConvertError.h"

bool InputsAvailable(const TInputTexts& texts)
{
    bool available = true;
    try {
        const double step = ReadInputNumber(texts.Step);
        if (!(step > 0))
            available = false;
        const double rc = ReadInputNumber(texts.Rc);
        if (!(rc > 0))
            available = false;
        const double f = ReadInputNumber(texts.F);
        if (!(f > 0))
            available = false;
        const double from = ReadInputNumber(texts.From);
        const double to = ReadInputNumber(texts.To);
        if (!(from > 1) || !(from < to))
            available = false;
    } catch (const EConvertError&) {
        available = false;
    }
    return available;
}

TSweepInputs ReadSweepInputs(const TInputTexts& texts)
{
    TSweepInputs inputs{};
    inputs.Rc = ReadInputNumber(texts.Rc);
    inputs.F = ReadInputNumber(texts.F);
    inputs.Step = ReadInputNumber(texts.Step);
    inputs.From = ReadInputNumber(texts.From);
    inputs.To = ReadInputNumber(texts.To);
    return inputs;
}
