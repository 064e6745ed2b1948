#pragma once
// The fill of chart areas: a colour and a style; clear fills nothing. A change is
// reported to the owner, who repaints the chart.
#include "chart/ChartObject.h"
#include "core/Colors.h"

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TChartBrush : public TChartObject {
public:
    explicit TChartBrush(std::function<void()> onChange = {}) : TChartObject(std::move(onChange)) {}

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Set(FColor, value); }
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value) { Set(FStyle, value); }

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};
