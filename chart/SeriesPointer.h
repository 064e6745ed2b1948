#pragma once
// The markers a series can draw at its points, with their size and whether they
// widen the axes' margins. Both charts of the program keep them hidden.
#include "chart/ChartBrush.h"
#include "chart/ChartPen.h"

enum TSeriesPointerStyle { psRectangle, psCircle, psTriangle, psDownTriangle, psCross, psDiagCross, psStar, psDiamond, psSmallDot };

class TSeriesPointer : public TChartObject {
public:
    explicit TSeriesPointer(std::function<void()> onChange);

    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Set(FVisible, value); }
    int HorizSize() const { return FHorizSize; }
    // ChartException "Pointer size must be greater than zero" below 1.
    void SetHorizSize(int value);
    int VertSize() const { return FVertSize; }
    void SetVertSize(int value);
    bool InflateMargins() const { return FInflateMargins; }
    void SetInflateMargins(bool value) { Set(FInflateMargins, value); }
    TSeriesPointerStyle Style() const { return FStyle; }
    void SetStyle(TSeriesPointerStyle value) { Set(FStyle, value); }
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value) { Set(FDark3D, value); }
    bool Draw3D() const { return FDraw3D; }
    void SetDraw3D(bool value) { Set(FDraw3D, value); }
    TChartPen& Pen() { return FPen; }
    TChartBrush& Brush() { return FBrush; }

private:
    bool FVisible = true;
    int FHorizSize = 4;
    int FVertSize = 4;
    bool FInflateMargins = true;
    TSeriesPointerStyle FStyle = psRectangle;
    bool FDark3D = true;
    bool FDraw3D = true;
    TChartPen FPen;
    TChartBrush FBrush;
};
