#include "results/InputTexts.h"

#include "results/InputNumber.h"

const AnsiString& TInputTexts::Text(TInput input) const
{
    // In the order of TInput.
    static constexpr AnsiString TInputTexts::*kTexts[kInputCount] = {
        &TInputTexts::Rc, &TInputTexts::F, &TInputTexts::From, &TInputTexts::To, &TInputTexts::Step};
    return this->*kTexts[input];
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
