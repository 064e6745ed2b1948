#include "results/StandardColumns.h"

#include "calc/CapacitorEffect.h"
#include "numtext/FormatDecimal.h"
#include "results/PartMarking.h"
#include "results/RowTexts.h"
#include "results/TableText.h"

#include <optional>

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

std::string StandardTableText(const std::vector<AnsiString>& captions, const TTableRows& shown,
                              const TSweepTable& table, TStandardSeries series, int first, int count, char separator)
{
    const TDecimalPicture picture("0.0000");
    const int columns = shown.Columns();
    TRowTexts rows(columns + 3);
    // The three texts depend on the standard value alone, which the sweep's falling Сс
    // keeps for many rows in a row: they are worked out once per value.
    std::optional<TStandardValue> last;
    std::vector<AnsiString> texts(3, MissingText());
    for (int row = first; row < first + count; ++row) {
        for (int k = 0; k < columns; ++k)
            rows.Append(shown.Text(row, k));
        const auto value = FindStandardNeighbours(table.Rows.at(static_cast<std::size_t>(row)).Capacitance, series).AtOrAbove;
        const bool same = value && last && value->Microfarads == last->Microfarads;
        if (value && !same) {
            const double mn = CapacitanceMn(value->Microfarads, table.Inputs.F, table.Inputs.Rc);
            texts = {StandardValueText(*value), picture.Format(mn), picture.Format(SweepAttenuation(mn))};
        } else if (!value) {
            texts.assign(3, MissingText());
        }
        last = value;
        for (const AnsiString& text : texts)
            rows.Append(text);
    }
    std::vector<AnsiString> allCaptions = captions;
    for (const AnsiString& caption : StandardCaptions(series))
        allCaptions.push_back(caption);
    return TableText(allCaptions, rows, 0, count, separator);
}
