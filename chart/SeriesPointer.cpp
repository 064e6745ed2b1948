#include "chart/SeriesPointer.h"

#include "core/ChartErrors.h"

TSeriesPointer::TSeriesPointer(std::function<void()> onChange)
    : TChartObject(std::move(onChange)), FPen(OnChange()), FBrush(OnChange())
{
}

void TSeriesPointer::SetHorizSize(int value)
{
    if (value < 1)
        throw ChartException("Pointer size must be greater than zero");
    Set(FHorizSize, value);
}

void TSeriesPointer::SetVertSize(int value)
{
    if (value < 1)
        throw ChartException("Pointer size must be greater than zero");
    Set(FVertSize, value);
}
