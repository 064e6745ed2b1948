#include "results/StandardColumns.h"

#include "calc/CapacitorEffect.h"
#include "numtext/FormatDecimal.h"
#include "results/PartMarking.h"
#include "results/TableText.h"

#include <string_view>

AnsiString MissingText()
{
    return AnsiFromUtf8("—");
}

AnsiString StandardValueText(const TStandardValue& value)
{
    return FormatDecimal("0.0000", value.Microfarads) + " (" + PartMarking(value) + ")";
}

std::vector<AnsiString> StandardCaptions(TStandardSeries series)
{
    const std::string name = StandardSeriesName(series);
    return {AnsiFromUtf8("Сс " + name + ",мкФ"), AnsiFromUtf8("Мн " + name),
            AnsiFromUtf8("Ослабление " + name + ",дб")};
}

std::string StandardTableText(const std::vector<AnsiString>& captions, const TRowTexts& shown,
                              const TSweepTable& table, TStandardSeries series, int first, int count, char separator)
{
    const TDecimalPicture picture("0.0000");
    const int columns = shown.Columns();
    TRowTexts rows(columns + 3);
    for (int row = first; row < first + count; ++row) {
        for (int k = 0; k < columns; ++k)
            rows.Append(shown.Text(row, k));
        const TSweepRow& exact = table.Rows.at(static_cast<std::size_t>(row));
        if (const auto value = FindStandardNeighbours(exact.Capacitance, series).AtOrAbove) {
            const double mn = CapacitanceMn(value->Microfarads, table.Inputs.F, table.Inputs.Rc);
            rows.Append(StandardValueText(*value));
            rows.Append(picture.Format(mn));
            rows.Append(picture.Format(SweepAttenuation(mn)));
        } else {
            for (int k = 0; k < 3; ++k)
                rows.Append(MissingText());
        }
    }
    std::vector<AnsiString> allCaptions = captions;
    for (const AnsiString& caption : StandardCaptions(series))
        allCaptions.push_back(caption);
    return TableText(allCaptions, rows, 0, count, separator);
}
