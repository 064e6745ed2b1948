// The capacitor table: one results row and one attenuation-chart point per Мн.
#include "ui/KelvMain1.h"

#include "app/ListView.h"
#include "app/ProgressBar.h"
#include "calc/CapacitorSweep.h"
#include "core/ScopeExit.h"
#include "results/ResultsTable.h"

#include <vector>

void TForm1::CalcCapacitorTable()
{
    // The same trimmed texts the availability check accepted.
    const TSweepInputs inputs = ReadSweepInputs(InputTexts());

    const std::vector<TSweepRow> rows = CalcSweepRows(inputs);
    Bar->SetMin(0);
    Bar->SetMax(SweepProgressMax(inputs.From, inputs.To, inputs.Step));

    TRowTexts texts = [&] {
        Bar->SetPosition(0);
        Bar->show();
        // Hidden again however the calculation ends.
        const TScopeExit hide([this] { Bar->hide(); });
        return ResultRowTexts(rows, [this] { Bar->SetPosition(Bar->Position() + 1); });
    }();

    // Nothing below can fail: publish the rows and points together.
    List->hide();
    Series1.ClearPoints();
    Series1.ReservePoints(texts.Count());
    for (int i = 0; i < texts.Count(); ++i)
        Series1.AddPoint(rows[i].Capacitance, AnsiString(texts.Text(i, 1)), AutoColor);
    List->Items().Assign(std::move(texts));
    List->show();
    if (!rows.empty())
        List->SelectRow(0);
}
