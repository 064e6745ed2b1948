// Placing an axis' texts (labels and title) of one or more lines for its side and angle.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "chart/PixelRound.h"

#include <vector>

namespace {

std::vector<AnsiString> SplitLines(const AnsiString& text)
{
    std::vector<AnsiString> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\r', start);
        lines.push_back(text.substr(start, end - start));
        if (end == AnsiString::npos)
            return lines;
        start = end + 1;
    }
}

} // namespace

void TCustomChartAxis::DrawAxisText(int x, int y, const AnsiString& text, int angle)
{
    TChartCanvas3D& canvas = FChart.Canvas();
    const std::vector<AnsiString> lines = SplitLines(text);
    const int n = static_cast<int>(lines.size());
    const int h = canvas.FontHeight();
    if (angle == 0 && FHorizontal) {
        // Centred on x, below y on the bottom axis, above it on the top axis.
        if (FOtherSide) {
            canvas.SetTextAlign(htaCenter, vtaBottom);
            y -= h * n;
            for (const AnsiString& line : lines) {
                y += h;
                canvas.WriteText(x, y, line);
            }
        } else {
            canvas.SetTextAlign(htaCenter, vtaTop);
            for (const AnsiString& line : lines) {
                canvas.WriteText(x, y, line);
                y += h;
            }
        }
    } else if (angle == 0) {
        // Ending at x on the left axis, beginning there on the right one; the block centred on y.
        canvas.SetTextAlign(FOtherSide ? htaLeft : htaRight, vtaTop);
        y -= Div(h, 2) + RoundPixel(h * 0.5L * (n + 1));
        for (const AnsiString& line : lines) {
            y += h;
            canvas.WriteText(x, y, line);
        }
    } else if (angle == 90 || angle == 270) {
        // Reading upward to the left of x, or downward to the right of it; centred on y.
        canvas.SetTextAlign(htaCenter, vtaBottom);
        const int side = angle == 90 ? -1 : 1;
        x += side * h * n;
        for (const AnsiString& line : lines) {
            x -= side * h;
            canvas.WriteRotatedText(x, y, angle, line);
        }
    } else if (angle == 180) {
        // Upside down, each line below the one before.
        canvas.SetTextAlign(htaCenter, vtaBottom);
        for (const AnsiString& line : lines) {
            canvas.WriteRotatedText(x, y, angle, line);
            y += h;
        }
    } else {
        canvas.SetTextAlign(htaLeft, vtaTop);
        for (const AnsiString& line : lines)
            canvas.WriteRotatedText(x, y, angle, line);
    }
    canvas.SetTextAlign(htaLeft, vtaTop);
}
