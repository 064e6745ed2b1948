// The phase chart: the phase shift of one capacitance at 1 to 199 Hz.
#include "ui/KelvMain1.h"

#include "app/Edit.h"
#include "calc/PhaseResponse.h"
#include "numtext/IntegerText.h"
#include "results/InputNumber.h"

void TForm1::PlotPhaseResponse(double cc)
{
    Series2.ClearPoints();
    const double rc = ReadInputNumber(Edit1->Text());
    for (int n = 1; n <= kPhasePoints; ++n)
        Series2.AddPoint(PhaseShift(rc, cc, n), IntegerText(n), AutoColor);
}
