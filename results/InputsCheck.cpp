#include "results/InputsCheck.h"

#include "core/ConvertError.h"
#include "numtext/DecimalSeparators.h"
#include "results/InputNumber.h"

#include <stdexcept>

namespace {

// The order in which the check reads the texts.
constexpr TInput kCheckOrder[] = {inStep, inRc, inF, inFrom, inTo};

// The name of an input's field as its label reads.
const char* FieldName(TInput input)
{
    switch (input) {
    case inRc:
        return "Rc, кОм";
    case inF:
        return "Нижняя граничная частота, Гц";
    case inFrom:
        return "Мн изменять от";
    case inTo:
        return "до";
    case inStep:
        return "с шагом";
    }
    throw std::invalid_argument("no such input");
}

// A pasted page of text is quoted by its start only, so that the reason stays readable.
constexpr std::size_t kQuotedCharacters = 40;

// The conversion error of a text in the named field. A decimal point or comma other than
// the locale's is the likely slip, so the locale's separator is named then.
AnsiString NotANumber(TInput input, const AnsiString& text)
{
    const AnsiString quoted =
        text.size() > kQuotedCharacters ? text.substr(0, kQuotedCharacters) + AnsiFromUtf8("…") : text;
    AnsiString reason = AnsiFromUtf8("Поле «") + AnsiFromUtf8(FieldName(input)) + AnsiFromUtf8("»: ")
        + EConvertError::InvalidFloat(quoted).Message();
    for (const char separator : {'.', ','})
        if (separator != DecimalChar && text.find(separator) != AnsiString::npos)
            return reason + AnsiFromUtf8("\nДесятичный разделитель по настройкам системы — «") + DecimalChar
                + AnsiFromUtf8("»");
    return reason;
}

} // namespace

TInputsCheck CheckInputs(const TInputTexts& texts)
{
    TInputsCheck check;
    std::array<double, kInputCount> values{};
    for (const TInput input : kCheckOrder) {
        try {
            values[input] = ReadInputNumber(texts.Text(input));
        } catch (const EConvertError&) {
            check.Unparsable[input] = true;
            if (check.Reason.empty())
                check.Reason = NotANumber(input, texts.Text(input));
        }
    }
    if (!check.Reason.empty())
        return check;
    if (const auto fault = InputsFault({values[inRc], values[inF], values[inStep], values[inFrom], values[inTo]}))
        check.Reason = *fault;
    return check;
}
