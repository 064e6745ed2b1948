#pragma once
// The pen of every chart line: colour, mode, style and width as the platform's pen
// has them, plus whether it draws at all and whether it sets only every other pixel.
// A change of any of them is reported to the owner, who repaints the chart.
#include "chart/ChartObject.h"
#include "core/Colors.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
// How a pen's pixels combine with those beneath: replace them, or not-xor with them
// (drawing the same figure twice restores the picture).
enum TPenMode { pmCopy, pmXor, pmNotXor };

class TChartPen : public TChartObject {
public:
    explicit TChartPen(std::function<void()> onChange = {}) : TChartObject(std::move(onChange)) {}

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Set(FColor, value); }
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value) { Set(FMode, value); }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value) { Set(FStyle, value); }
    int Width() const { return FWidth; }
    void SetWidth(int value) { Set(FWidth, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Set(FVisible, value); }
    bool SmallDots() const { return FSmallDots; }
    void SetSmallDots(bool value) { Set(FSmallDots, value); }

protected:
    TColor FColor = clBlack;
    TPenMode FMode = pmCopy;
    TPenStyle FStyle = psSolid;
    int FWidth = 1;
    bool FVisible = true;
    bool FSmallDots = false;
};

// The kinds of chart pen, each with its own creation defaults.
class TChartHiddenPen : public TChartPen {
public:
    explicit TChartHiddenPen(std::function<void()> onChange = {}) : TChartPen(std::move(onChange)) { FVisible = false; }
};

class TDottedGrayPen : public TChartPen {
public:
    explicit TDottedGrayPen(std::function<void()> onChange = {}) : TChartPen(std::move(onChange))
    {
        FColor = 0x808080;
        FStyle = psDot;
    }
};

class TDarkGrayPen : public TChartPen {
public:
    explicit TDarkGrayPen(std::function<void()> onChange = {}) : TChartPen(std::move(onChange)) { FColor = 0x808080; }
};

class TChartAxisPen : public TChartPen {
public:
    explicit TChartAxisPen(std::function<void()> onChange = {}) : TChartPen(std::move(onChange)) { FWidth = 2; }
};
