#pragma once
// A text block above (title) or below (foot) the plot: lines in a font of their own,
// aligned across the plot's width. A drawn block takes its height plus 5 pixels
// from the plot rectangle.
#include "chart/ChartBrush.h"
#include "chart/ChartFont.h"
#include "chart/ChartPen.h"
#include "chart/ChartRect.h"
#include "core/AnsiString.h"

#include <memory>
#include <vector>

class TChartCanvas3D;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TChartTitle : public TChartObject {
public:
    explicit TChartTitle(std::function<void()> onChange);

    const std::vector<AnsiString>& Text() const { return FText; }
    void SetText(const std::vector<AnsiString>& value) { Set(FText, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Set(FVisible, value); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { Set(FAlignment, value); }
    bool AdjustFrame() const { return FAdjustFrame; }
    void SetAdjustFrame(bool value) { Set(FAdjustFrame, value); }
    TChartFont& Font() { return *FFont; }
    TChartBrush& Brush() { return FBrush; }
    TChartPen& Frame() { return FFrame; }
    // Where the block was last drawn; empty before.
    const TRect& TitleRect() const { return FTitleRect; }

    // Draws the block at the top (or, for a foot, the bottom) of the plot rectangle
    // and takes its room from it; a block without lines or a visible frame takes none.
    void Draw(TChartCanvas3D& canvas, TRect& plot, bool foot);

private:
    std::vector<AnsiString> FText;
    bool FVisible = true;
    TAlignment FAlignment = taCenter;
    bool FAdjustFrame = true;
    std::unique_ptr<TChartFont> FFont;
    TChartBrush FBrush;
    TChartHiddenPen FFrame;
    TRect FTitleRect;
};
