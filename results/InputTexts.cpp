#include "results/InputTexts.h"

#include "results/InputNumber.h"

#include <stdexcept>

const AnsiString& TInputTexts::Text(TInput input) const
{
    switch (input) {
    case inRc:
        return Rc;
    case inF:
        return F;
    case inFrom:
        return From;
    case inTo:
        return To;
    case inStep:
        return Step;
    }
    throw std::invalid_argument("no such input");
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

std::optional<AnsiString> InputsFault(const TSweepInputs& in)
{
    if (!(in.Step > 0))
        return AnsiFromUtf8("Шаг Мн должен быть больше 0");
    if (!(in.Rc > 0))
        return AnsiFromUtf8("Rc должно быть больше 0");
    if (!(in.F > 0))
        return AnsiFromUtf8("Нижняя граничная частота должна быть больше 0");
    if (!(in.From > 1))
        return AnsiFromUtf8("Мн «от» должно быть больше 1");
    if (!(in.From < in.To))
        return AnsiFromUtf8("Мн «до» должно быть больше, чем «от»");
    return std::nullopt;
}
