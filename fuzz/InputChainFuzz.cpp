// Five field texts, one a line (Rc, f, from, to, step), through the availability
// check to the rows of the results list and the phase of their capacitances, as
// Calculate and a row selection run them under a decimal comma.
#include "fuzz/FuzzTarget.h"

#include "calc/PhaseResponse.h"
#include "core/Exception.h"
#include "numtext/DecimalSeparators.h"
#include "numtext/ParseDecimal.h"
#include "results/InputsCheck.h"
#include "results/ResultsTable.h"

#include <string_view>

namespace {

TInputTexts Fields(std::string_view text)
{
    TInputTexts texts;
    for (AnsiString* field : {&texts.Rc, &texts.F, &texts.From, &texts.To, &texts.Step}) {
        const std::size_t end = text.find('\n');
        *field = AnsiString(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DecimalChar = ',';
    GroupChar = ' ';
    const TInputTexts texts = Fields(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!CheckInputs(texts).Available())
        return 0;
    // What the check accepted, the sweep reads.
    TSweepInputs inputs{};
    try {
        inputs = ReadSweepInputs(texts);
    } catch (const Exception&) {
        FuzzExpect(false, "inputs that the check accepts are read by the sweep");
    }
    try {
        const TRowTexts rows = ResultRowTexts(CalcSweepRows(inputs));
        for (int r = 0; r < rows.Count(); ++r)
            PhaseShift(inputs.Rc, ParseDecimal(rows.Text(r, 2)).ToDouble(), 1);
    } catch (const Exception&) {
        // Reported in the error box; the previous results stay.
    }
    return 0;
}
