#pragma once
// A fill of the chart panel that runs from one colour to another.
#include "chart/ChartObject.h"
#include "core/Colors.h"

enum TGradientDirection { gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft };

class TChartGradient : public TChartObject {
public:
    explicit TChartGradient(std::function<void()> onChange) : TChartObject(std::move(onChange)) {}

    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Set(FVisible, value); }
    TGradientDirection Direction() const { return FDirection; }
    void SetDirection(TGradientDirection value) { Set(FDirection, value); }
    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor value) { Set(FStartColor, value); }
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor value) { Set(FEndColor, value); }

private:
    bool FVisible = false;
    TGradientDirection FDirection = gdTopBottom;
    TColor FStartColor = clWhite;
    TColor FEndColor = 0x00FFFF;
};
