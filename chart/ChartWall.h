#pragma once
// A wall of the chart: the back wall frames the plot area (the side walls belong to
// the 3D view). Its pen outlines it, its colour and brush fill it.
#include "chart/ChartBrush.h"
#include "chart/ChartPen.h"

class TChartWall : public TChartObject {
public:
    TChartWall(std::function<void()> onChange, TColor color)
        : TChartObject(std::move(onChange)), FColor(color), FBrush(OnChange()), FPen(OnChange())
    {
        FBrush.SetColor(AutoColor);
    }

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Set(FColor, value); }
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value) { Set(FDark3D, value); }
    int Size() const { return FSize; }
    void SetSize(int value) { Set(FSize, value); }
    TChartBrush& Brush() { return FBrush; }
    const TChartBrush& Brush() const { return FBrush; }
    TChartPen& Pen() { return FPen; }
    const TChartPen& Pen() const { return FPen; }

private:
    TColor FColor;
    bool FDark3D = true;
    int FSize = 0;
    TChartBrush FBrush;
    TChartPen FPen;
};
