#include "results/InputsCheck.h"
#include "tests/numtext/SeparatorsFixture.h"

#include <utility>

namespace {

class InputsCheckTest : public SeparatorsTest {};

// The stored inputs with one text replaced.
TInputTexts With(AnsiString TInputTexts::*field, const char* text)
{
    TInputTexts texts{"220", "50", "1,0001", "1,0250", "0,0001"};
    texts.*field = AnsiFromUtf8(text);
    return texts;
}

// The fields whose texts do not parse, one letter each: R F f t s.
std::string Marked(const TInputsCheck& check)
{
    const std::pair<TInput, char> letters[] = {{inRc, 'R'}, {inF, 'F'}, {inFrom, 'f'}, {inTo, 't'}, {inStep, 's'}};
    std::string marked;
    for (const auto& [input, letter] : letters)
        if (check.Unparsable[input])
            marked += letter;
    return marked;
}

} // namespace

TEST_F(InputsCheckTest, TheReasonIsTheFirstTextThatDoesNotParseElseTheFirstBrokenRule)
{
    UseSeparators(',', ' ');
    TInputTexts twoBad = With(&TInputTexts::Rc, "abc");
    twoBad.Step = "x";
    TInputTexts badAfterBrokenRule = With(&TInputTexts::Step, "0");
    badAfterBrokenRule.To = "x";
    const struct {
        TInputTexts texts;
        const char* reason; // UTF-8; empty: Calculate may run
        const char* marked;
    } cases[] = {
        {With(&TInputTexts::Rc, " 220\t"), "", ""},
        {With(&TInputTexts::Rc, "abc"), "Поле «Rc, кОм»: 'abc' is not a valid floating point value", "R"},
        // Read in the check's order, the step first; every field that does not parse is marked.
        {twoBad, "Поле «с шагом»: 'x' is not a valid floating point value", "Rs"},
        // A text that does not parse outweighs a rule broken before it.
        {badAfterBrokenRule, "Поле «до»: 'x' is not a valid floating point value", "t"},
        {With(&TInputTexts::F, "-1e400"), "Поле «Нижняя граничная частота, Гц»: '-1e400' is not a valid floating point value", "F"},
        {With(&TInputTexts::From, "1.5"),
         "Поле «Мн изменять от»: '1.5' is not a valid floating point value\nДесятичный разделитель по настройкам системы — «,»", "f"},
        {With(&TInputTexts::Step, "0"), "Шаг Мн должен быть больше 0", ""},
        {With(&TInputTexts::From, "1"), "Мн «от» должно быть больше 1", ""},
        {With(&TInputTexts::To, "1,0001"), "Мн «до» должно быть больше, чем «от»", ""},
    };
    for (const auto& c : cases) {
        const TInputsCheck check = CheckInputs(c.texts);
        EXPECT_EQ(Utf8FromAnsi(check.Reason), c.reason);
        EXPECT_EQ(check.Available(), *c.reason == '\0') << c.reason;
        EXPECT_EQ(Marked(check), c.marked) << c.reason;
    }
}

TEST_F(InputsCheckTest, UnderADecimalPointTheStoredInputsAreRefusedWithTheLocalesSeparatorNamed)
{
    UseSeparators('.', ',');
    const TInputsCheck check = CheckInputs({"220", "50", "1,0001", "1,0250", "0,0001"});
    EXPECT_EQ(Utf8FromAnsi(check.Reason), "Поле «с шагом»: '0,0001' is not a valid floating point value\n"
                                          "Десятичный разделитель по настройкам системы — «.»");
    EXPECT_EQ(Marked(check), "fts");
}

TEST_F(InputsCheckTest, ALongTextIsQuotedByItsStart)
{
    UseSeparators(',', ' ');
    const TInputsCheck check = CheckInputs(With(&TInputTexts::Rc, std::string(50000, '7').append("x").c_str()));
    EXPECT_EQ(Utf8FromAnsi(check.Reason),
              "Поле «Rc, кОм»: '" + std::string(40, '7') + "…' is not a valid floating point value");
}
