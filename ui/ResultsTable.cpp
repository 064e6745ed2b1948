#include "ResultsTable.h"

#include "numtext/FormatDecimal.h"

namespace {
constexpr std::size_t kRowCharacters = 20; // "1,0001" "0,0009" "1,0221" and a little more
}

std::vector<TListItems::TColumn> ResultColumns()
{
    return {
        {AnsiFromUtf8("Мн"), 60, Qt::AlignLeft},
        {AnsiFromUtf8("Ослабление,дб"), 120, Qt::AlignHCenter},
        {AnsiFromUtf8("Сс,мкФ"), 80, Qt::AlignHCenter},
    };
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
