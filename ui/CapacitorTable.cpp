// The capacitor table: one results row and one attenuation-chart point per Мн.
#include "ui/KelvMain1.h"

#include "app/ListView.h"
#include "app/ProgressBar.h"
#include "calc/CapacitorSweep.h"
#include "core/ScopeExit.h"
#include "numtext/DecimalSeparators.h"
#include "numtext/FourDecimals.h"
#include "results/ResultRows.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

void TForm1::CalcCapacitorTable()
{
    // The same trimmed texts the availability check accepted.
    const TSweepInputs inputs = ReadSweepInputs(InputTexts());

    auto results = std::make_unique<TResultRows>(TSweepTable{inputs, CalcSweepRows(inputs)});
    const std::vector<TSweepRow>& rows = results->Table().Rows;
    Bar->SetMin(0);
    Bar->SetMax(SweepProgressMax(inputs.From, inputs.To, inputs.Step));

    // The arithmetic has succeeded; the old rows and points go before the new points
    // are made, so that both never take memory at once.
    List->hide();
    Series1.ClearPoints();
    List->Items().Assign(std::move(results));
    {
        Bar->SetPosition(0);
        Bar->show();
        // Hidden again however the calculation ends.
        const TScopeExit hide([this] { Bar->hide(); });
        // Each label is the row's attenuation text as the list writes it. The attenuation
        // rises down the table, so the texts at its ends size the labels' room.
        std::string label;
        const auto write = [&label](double attenuation) -> std::string_view {
            label.clear();
            AppendFourDecimals(label, attenuation, DecimalChar);
            return label;
        };
        const std::size_t longest = rows.empty()
            ? 0
            : std::max(write(rows.front().Attenuation).size(), write(rows.back().Attenuation).size());
        Series1.ReservePoints(static_cast<int>(rows.size()), rows.size() * longest);
        for (const TSweepRow& row : rows) {
            Series1.AddPoint(row.Capacitance, write(row.Attenuation), AutoColor);
            Bar->SetPosition(Bar->Position() + 1);
        }
    }
    List->show();
    if (!rows.empty())
        List->SelectRow(0);
}
