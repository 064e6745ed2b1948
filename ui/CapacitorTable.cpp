// The capacitor table: one results row and one attenuation-chart point per Мн.
#include "ui/KelvMain1.h"

#include "app/ListView.h"
#include "app/ProgressBar.h"
#include "calc/CapacitorSweep.h"
#include "core/ScopeExit.h"
#include "numtext/FourDecimals.h"
#include "results/ResultRows.h"

#include <memory>
#include <vector>

void TForm1::CalcCapacitorTable()
{
    // The same trimmed texts the availability check accepted.
    const TSweepInputs inputs = ReadSweepInputs(InputTexts());

    std::vector<TSweepRow> rows = CalcSweepRows(inputs);
    Bar->SetMin(0);
    Bar->SetMax(SweepProgressMax(inputs.From, inputs.To, inputs.Step));

    // The arithmetic has succeeded; the old points go before the new ones are made, so
    // that both never take memory at once (the list's texts take none of their own).
    List->hide();
    Series1.ClearPoints();
    {
        Bar->SetPosition(0);
        Bar->show();
        // Hidden again however the calculation ends.
        const TScopeExit hide([this] { Bar->hide(); });
        Series1.ReservePoints(static_cast<int>(rows.size()));
        // Each label is the row's attenuation text as the list writes it.
        for (const TSweepRow& row : rows) {
            Series1.AddPoint(row.Capacitance, FormatFourDecimals(row.Attenuation), AutoColor);
            Bar->SetPosition(Bar->Position() + 1);
        }
    }
    const bool any = !rows.empty();
    List->Items().Assign(std::make_unique<TResultRows>(TSweepTable{inputs, std::move(rows)}));
    List->show();
    if (any)
        List->SelectRow(0);
}
