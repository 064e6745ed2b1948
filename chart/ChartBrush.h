#pragma once
// The fill of chart areas: a colour and a style; clear fills nothing. A change is
// reported to the owner, who repaints the chart.
#include "core/Colors.h"

#include <functional>

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TChartBrush {
public:
    explicit TChartBrush(std::function<void()> onChange = {}) : FOnChange(std::move(onChange)) {}
    TChartBrush(const TChartBrush&) = delete;
    TChartBrush& operator=(const TChartBrush&) = delete;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Set(FColor, value); }
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value) { Set(FStyle, value); }

private:
    template <class T>
    void Set(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        if (FOnChange)
            FOnChange();
    }

    std::function<void()> FOnChange;
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};
