#include "chart/ChartSeries.h"

#include "chart/ColorPalette.h"

#include <algorithm>
#include <utility>

TChartSeries::TChartSeries()
    : FXValues(*this, "X"), FYValues(*this, "Y"), FMarks(*this)
{
    FXValues.SetOrder(loAscending);
}

TChartSeries::~TChartSeries()
{
    ClearPoints(); // OnClearValues hears of it; the chart repaints unless it is going too
    SetParentChart(nullptr);
}

int TChartSeries::AddPoint(double value, const AnsiString& label, TColor color)
{
    return AddPointXY(PointCount(), value, label, color);
}

int TChartSeries::AddPointXY(double x, double y, const AnsiString& label, TColor color)
{
    if (OnBeforeAdd && !OnBeforeAdd(*this))
        return -1;
    const int index = FXValues.AddValueOrdered(x);
    FYValues.InsertValueAt(index, y);
    FColors.insert(FColors.begin() + index, color);
    FLabels.insert(FLabels.begin() + index, label);
    if (OnAfterAdd)
        OnAfterAdd(*this, index);
    if (FActive)
        Repaint();
    return index;
}

void TChartSeries::ClearPoints()
{
    FXValues.RemoveAllValues();
    FYValues.RemoveAllValues();
    std::vector<TColor>().swap(FColors);
    std::vector<AnsiString>().swap(FLabels);
    if (OnClearValues)
        OnClearValues(*this);
    if (FActive && FParentChart && !FParentChart->IsDestroying())
        FParentChart->Invalidate();
}

void TChartSeries::ReservePoints(int count)
{
    FXValues.Reserve(count);
    FYValues.Reserve(count);
    FColors.reserve(static_cast<std::size_t>(count));
    FLabels.reserve(static_cast<std::size_t>(count));
}

TColor TChartSeries::PointColor(int index) const
{
    if (index < 0 || index >= static_cast<int>(FColors.size()))
        return FSeriesColor;
    if (FColors[index] != AutoColor)
        return FColors[index];
    return FColorEachPoint ? PaletteColor(index) : FSeriesColor;
}

const AnsiString& TChartSeries::PointLabel(int index) const
{
    static const AnsiString kNoLabel;
    if (index < 0 || index >= LabelCount())
        return kNoLabel;
    return FLabels[index];
}

void TChartSeries::SetParentChart(TSeriesChart* chart)
{
    if (chart == FParentChart)
        return;
    // The new chart is stored before the old and new charts are told, so their
    // calls back into SetParentChart find nothing left to do.
    TSeriesChart* previous = std::exchange(FParentChart, nullptr);
    if (previous)
        previous->RemoveSeries(*this);
    FParentChart = chart;
    ResolveAxes();
    if (chart)
        chart->AddSeries(*this);
}

void TChartSeries::ResolveAxes()
{
    if (!FParentChart) {
        FGetHorizAxis = FGetVertAxis = nullptr;
        return;
    }
    FGetHorizAxis = FHorizAxis == aTopAxis ? FParentChart->TopAxis() : FParentChart->BottomAxis();
    FGetVertAxis = FVertAxis == aRightAxis ? FParentChart->RightAxis() : FParentChart->LeftAxis();
}

bool TChartSeries::UsesAxis(const TChartAxis& axis) const
{
    if (!FParentChart)
        return false;
    if (FParentChart->IsHorizontal(axis))
        return FHorizAxis == aBothHorizAxis || &axis == FGetHorizAxis;
    return FVertAxis == aBothVertAxis || &axis == FGetVertAxis;
}

void TChartSeries::Repaint() const
{
    if (FParentChart)
        FParentChart->Invalidate();
}

void TChartSeries::SetColorEachPoint(bool value)
{
    SetProperty(FColorEachPoint, value);
    if (!FColorEachPoint)
        std::fill(FColors.begin(), FColors.end(), AutoColor);
}

void TChartSeries::SetHorizAxis(THorizAxis value)
{
    if (value == FHorizAxis)
        return;
    FHorizAxis = value;
    ResolveAxes();
    Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis value)
{
    if (value == FVertAxis)
        return;
    FVertAxis = value;
    ResolveAxes();
    Repaint();
}
