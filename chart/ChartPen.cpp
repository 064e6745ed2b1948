#include "chart/ChartPen.h"

void TChartPen::Assign(const TChartPen& other)
{
    const bool differs = FColor != other.FColor || FMode != other.FMode || FStyle != other.FStyle
        || FWidth != other.FWidth || FVisible != other.FVisible || FSmallDots != other.FSmallDots;
    FColor = other.FColor;
    FMode = other.FMode;
    FStyle = other.FStyle;
    FWidth = other.FWidth;
    FVisible = other.FVisible;
    FSmallDots = other.FSmallDots;
    if (differs)
        Changed();
}
