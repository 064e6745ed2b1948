#include "results/ResultsTable.h"

#include "core/Exception.h"
#include "numtext/FormatDecimal.h"
#include "results/TableText.h"

namespace {
constexpr std::size_t kRowCharacters = 20; // "1,0001" "0,0009" "1,0221" and a little more
}

std::vector<AnsiString> ResultCaptions()
{
    return {AnsiFromUtf8("Мн"), AnsiFromUtf8("Ослабление,дб"), AnsiFromUtf8("Сс,мкФ")};
}

TRowTexts ResultRowTexts(const std::vector<TSweepRow>& rows, const std::function<void()>& afterRow)
{
    const TDecimalPicture picture("0.0000");
    TRowTexts texts(3);
    texts.Reserve(rows.size(), kRowCharacters);
    for (const TSweepRow& row : rows) {
        texts.Append(picture.Format(row.Mn));
        texts.Append(picture.Format(row.Attenuation));
        texts.Append(picture.Format(row.Capacitance));
        if (afterRow)
            afterRow();
    }
    return texts;
}

std::string ResultsTableText(const TInputTexts& texts, char separator)
{
    const TSweepInputs inputs = ReadSweepInputs(texts);
    if (const auto fault = InputsFault(inputs))
        throw Exception(*fault);
    const TRowTexts rows = ResultRowTexts(CalcSweepRows(inputs));
    return TableText(ResultCaptions(), rows, 0, rows.Count(), separator);
}
