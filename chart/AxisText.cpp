// Placing an axis' texts (labels and title) of one or more lines for its side and angle.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "chart/PixelRound.h"
#include "chart/TextLines.h"

void TCustomChartAxis::DrawAxisText(int x, int y, const AnsiString& text, int angle)
{
    TChartCanvas3D& canvas = FChart.Canvas();
    const int n = LineCount(text);
    const int h = canvas.FontHeight();
    if (angle == 0 && IsHorizontal()) {
        // Centred on x, below y on the bottom axis, above it on the top axis.
        if (FOtherSide) {
            canvas.SetTextAlign(htaCenter, vtaBottom);
            y -= h * n;
            ForEachLine(text, [&](std::string_view line) {
                y += h;
                canvas.WriteText(x, y, AnsiString(line));
            });
        } else {
            canvas.SetTextAlign(htaCenter, vtaTop);
            ForEachLine(text, [&](std::string_view line) {
                canvas.WriteText(x, y, AnsiString(line));
                y += h;
            });
        }
    } else if (angle == 0) {
        // Ending at x on the left axis, beginning there on the right one; the block centred on y.
        canvas.SetTextAlign(FOtherSide ? htaLeft : htaRight, vtaTop);
        y -= Div(h, 2) + RoundPixel(h * 0.5L * (n + 1));
        ForEachLine(text, [&](std::string_view line) {
            y += h;
            canvas.WriteText(x, y, AnsiString(line));
        });
    } else if (angle == 90 || angle == 270) {
        // Reading upward to the left of x, or downward to the right of it; centred on y.
        canvas.SetTextAlign(htaCenter, vtaBottom);
        const int side = angle == 90 ? -1 : 1;
        x += side * h * n;
        ForEachLine(text, [&](std::string_view line) {
            x -= side * h;
            canvas.WriteRotatedText(x, y, angle, AnsiString(line));
        });
    } else if (angle == 180) {
        // Upside down, each line below the one before.
        canvas.SetTextAlign(htaCenter, vtaBottom);
        ForEachLine(text, [&](std::string_view line) {
            canvas.WriteRotatedText(x, y, angle, AnsiString(line));
            y += h;
        });
    } else {
        canvas.SetTextAlign(htaLeft, vtaTop);
        ForEachLine(text, [&](std::string_view line) { canvas.WriteRotatedText(x, y, angle, AnsiString(line)); });
    }
    canvas.SetTextAlign(htaLeft, vtaTop);
}
