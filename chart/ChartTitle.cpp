#include "chart/ChartTitle.h"

#include "chart/ChartCanvas.h"

#include <algorithm>

TChartTitle::TChartTitle(std::function<void()> onChange)
    : TChartObject(std::move(onChange)), FFont(CreateChartFont(OnChange())), FBrush(OnChange()), FFrame(OnChange())
{
    FBrush.SetStyle(bsClear);
}

void TChartTitle::Draw(TChartCanvas3D& canvas, TRect& plot, bool foot)
{
    if (FText.empty() && !FFrame.Visible())
        return;
    canvas.Font().Assign(*FFont);
    const int h = canvas.FontHeight();
    const int height = h * static_cast<int>(FText.size());
    int widest = 0;
    for (const AnsiString& line : FText)
        widest = std::max(widest, canvas.TextWidthOf(line));
    const int top = foot ? plot.Bottom - height : plot.Top;
    // Where a width starts between two edges, by the alignment.
    const auto aligned = [this](int left, int right, int width) {
        return FAlignment == taLeftJustify ? left : FAlignment == taRightJustify ? right - width : (left + right - width) / 2;
    };
    const int left = aligned(plot.Left, plot.Right, widest);
    FTitleRect = FAdjustFrame ? TRect{left, top, left + widest, top + height} : TRect{plot.Left, top, plot.Right, top + height};
    if (FFrame.Visible() || FBrush.Style() != bsClear) {
        canvas.ApplyChartPen(FFrame);
        canvas.SetBrush(FBrush.Color(), FBrush.Style());
        canvas.FrameRect(FTitleRect.Left - 1, FTitleRect.Top - 1, FTitleRect.Right + 1, FTitleRect.Bottom + 1);
    }
    canvas.ClearBrush();
    canvas.SetTextAlign(htaLeft, vtaTop);
    int y = top;
    for (const AnsiString& line : FText) {
        canvas.WriteText(aligned(FTitleRect.Left, FTitleRect.Right, canvas.TextWidthOf(line)), y, line);
        y += h;
    }
    if (foot)
        plot.Bottom = top - 5;
    else
        plot.Top = top + height + 5;
}
