#include "results/StandardReport.h"

#include "calc/CapacitorEffect.h"
#include "numtext/FormatDecimal.h"
#include "numtext/IntegerText.h"
#include "results/PartMarking.h"
#include "results/StandardColumns.h"
#include "results/TableText.h"

namespace {

// Writes what one standard value, or its absence, gives in place of the row's Сс.
void AppendValue(TRowTexts& rows, const AnsiString& name, const std::optional<TStandardValue>& value,
                 const TSweepRow& row, const TSweepInputs& in)
{
    rows.Append(name);
    if (!value) {
        for (int k = 1; k < rows.Columns(); ++k)
            rows.Append(MissingText());
        return;
    }
    const TDecimalPicture fine("0.0000");
    const TDecimalPicture coarse("0.00");
    const TCapacitorEffect effect = CapacitorEffect(value->Microfarads, row.Mn, in.F, in.Rc);
    rows.Append(PartMarking(*value));
    rows.Append(fine.Format(value->Microfarads));
    rows.Append(fine.Format(effect.Mn));
    rows.Append(fine.Format(effect.Attenuation));
    rows.Append(coarse.Format(effect.Phase));
    rows.Append(coarse.Format(effect.Frequency));
}

} // namespace

std::vector<AnsiString> StandardReportCaptions()
{
    std::vector<AnsiString> captions;
    for (const char* caption : {"Ряд", "Номинал", "Сс,мкФ", "Мн", "Ослабление,дб", "Фаза,°", "f для Мн,Гц"})
        captions.push_back(AnsiFromUtf8(caption));
    return captions;
}

TStandardReport MakeStandardReport(const TSweepTable& table, std::optional<int> row)
{
    TStandardReport report;
    if (!row || *row < 0 || static_cast<std::size_t>(*row) >= table.Rows.size()) {
        report.Heading = AnsiFromUtf8("Строка таблицы не выбрана: выберите строку в списке результатов.");
        return report;
    }
    const TSweepRow& exact = table.Rows[static_cast<std::size_t>(*row)];
    const TSweepInputs& in = table.Inputs;
    const TDecimalPicture picture("0.0000");
    report.Heading = AnsiFromUtf8("Строка ") + IntegerText(*row + 1) + AnsiFromUtf8(": Мн ") + picture.Format(exact.Mn)
        + AnsiFromUtf8(", ослабление ") + picture.Format(exact.Attenuation) + AnsiFromUtf8(" дб, Сс ")
        + picture.Format(exact.Capacitance) + AnsiFromUtf8(" мкФ; Rc ") + FormatDecimal("0.####", in.Rc)
        + AnsiFromUtf8(" кОм, f ") + FormatDecimal("0.####", in.F) + AnsiFromUtf8(" Гц");
    for (const TStandardSeries series : kStandardSeries) {
        const TStandardNeighbours neighbours = FindStandardNeighbours(exact.Capacitance, series);
        const std::string name = StandardSeriesName(series);
        AppendValue(report.Rows, AnsiFromUtf8(name + ", не меньше Сс"), neighbours.AtOrAbove, exact, in);
        AppendValue(report.Rows, AnsiFromUtf8(name + ", меньше Сс"), neighbours.Below, exact, in);
    }
    return report;
}

std::string StandardReportText(const AnsiString& heading, const TTableRows& rows)
{
    return Utf8FromAnsi(heading) + "\n" + TableText(StandardReportCaptions(), rows, 0, rows.Count(), '\t');
}
