#include "chart/AxisTitle.h"

#include "core/ChartErrors.h"

void CheckAngle(int angle, const char* what)
{
    if (angle < 0 || angle > 359)
        throw ChartException(FormatMessage("%s Angle must be between 0 and 359 degrees", {what}));
}

TChartAxisTitle::TChartAxisTitle(std::function<void()> onChange, int angle)
    : TChartObject(std::move(onChange)), FAngle(angle), FFont(CreateChartFont(OnChange()))
{
}

void TChartAxisTitle::SetAngle(int value)
{
    CheckAngle(value, "Axis Title");
    Set(FAngle, value);
}

void TChartAxisTitle::SetCaption(const AnsiString& value)
{
    Set(FCaption, value);
}
