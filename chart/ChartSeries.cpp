#include "chart/ChartSeries.h"

#include "chart/ChartAxis.h"
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

int TChartSeries::AddPoint(double value, std::string_view label, TColor color)
{
    return AddPointXY(PointCount(), value, label, color);
}

int TChartSeries::AddPointXY(double x, double y, std::string_view label, TColor color)
{
    if (OnBeforeAdd && !OnBeforeAdd(*this))
        return -1;
    const int index = FXValues.AddValueOrdered(x);
    FYValues.InsertValueAt(index, y);
    if (color != AutoColor || !FColors.empty()) {
        if (FColors.empty())
            FColors.assign(static_cast<std::size_t>(PointCount() - 1), AutoColor);
        FColors.insert(FColors.begin() + index, color);
    }
    if (color != AutoColor)
        ++FOwnColors;
    FLabels.InsertAt(index, label);
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
    FOwnColors = 0;
    FLabels.Clear();
    if (OnClearValues)
        OnClearValues(*this);
    if (FActive && FParentChart && !FParentChart->IsDestroying())
        FParentChart->Invalidate();
}

void TChartSeries::ReservePoints(int count, std::size_t labelChars)
{
    FXValues.Reserve(count);
    FYValues.Reserve(count);
    FLabels.Reserve(count, labelChars);
}

TColor TChartSeries::PointColor(int index) const
{
    if (index < 0 || index >= PointCount())
        return FSeriesColor;
    if (!FColors.empty() && FColors[index] != AutoColor)
        return FColors[index];
    return FColorEachPoint ? PaletteColor(index) : FSeriesColor;
}

std::string_view TChartSeries::PointLabel(int index) const
{
    if (index < 0 || index >= LabelCount())
        return {};
    return FLabels.At(index);
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
    FGetHorizAxis = FHorizAxis == aTopAxis ? FParentChart->GetTopAxis() : FParentChart->GetBottomAxis();
    FGetVertAxis = FVertAxis == aRightAxis ? FParentChart->GetRightAxis() : FParentChart->GetLeftAxis();
}

bool TChartSeries::UsesAxis(const TCustomChartAxis& axis) const
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
    if (!FColorEachPoint) {
        std::vector<TColor>().swap(FColors);
        FOwnColors = 0;
    }
}

void TChartSeries::SetHorizAxis(THorizAxis value)
{
    StoreChanged(FHorizAxis, value, [this] {
        ResolveAxes();
        Repaint();
    });
}

void TChartSeries::SetVertAxis(TVertAxis value)
{
    StoreChanged(FVertAxis, value, [this] {
        ResolveAxes();
        Repaint();
    });
}


int TChartSeries::PointScreenX(int index) const
{
    return FGetHorizAxis->ValueToPos(XValueAt(index));
}

int TChartSeries::PointScreenY(int index) const
{
    return FGetVertAxis->ValueToPos(YValueAt(index));
}

void TChartSeries::UpdateVisibleRange()
{
    FFirstVisible = FLastVisible = -1;
    const int count = PointCount();
    if (count == 0)
        return;
    const int last = count - 1;
    if (FXValues.Order() == loNone || !FGetHorizAxis || !FParentChart) {
        FFirstVisible = 0;
        FLastVisible = last;
        return;
    }
    const TCustomChartAxis& axis = *FGetHorizAxis;
    const TRect& plot = FParentChart->PlotRect();
    const double low = axis.PosToValue(axis.Inverted() ? plot.Right : plot.Left);
    const double high = axis.PosToValue(axis.Inverted() ? plot.Left : plot.Right);
    FFirstVisible = FXValues.FirstIndexAtLeast(low, 0);
    if (FFirstVisible == -1)
        return;
    if (XValueAt(last) <= high) {
        FLastVisible = last;
        return;
    }
    int beyond = FXValues.FirstIndexAtLeast(high, FFirstVisible);
    if (beyond == -1)
        beyond = last;
    if (!DrawsOneBeyond() && XValueAt(beyond) > high)
        --beyond;
    FLastVisible = beyond;
}

void TChartSeries::DrawAllValues()
{
    for (int i = FFirstVisible; i <= FLastVisible; ++i)
        DrawValue(i);
}

void TChartSeries::DrawValue(int) {}

void TChartSeries::GetHorizMargins(int& left, int& right) const
{
    left = right = 0;
}

void TChartSeries::GetVertMargins(int& top, int& bottom) const
{
    top = bottom = 0;
}

int TChartSeries::PointAtPixel(int, int) const
{
    return -1;
}
