// The canvas's plain and rotated text, and its measurement.
#include "chart/ChartCanvas.h"

#include "platform/QtText.h"
#include "platform/SystemColors.h"

#include <QFontMetrics>
#include <QPainter>

void TChartCanvas3D::DrawTextAt(int x, int y, const AnsiString& text)
{
    const QFont font = FFont.ToQFont();
    const QFontMetrics metrics(font);
    const int width = TextWidthOf(text);
    const int left = FHorizAlign == htaCenter ? x - width / 2 : FHorizAlign == htaRight ? x - width : x;
    const int baseline = FVertAlign == vtaTop      ? y + metrics.ascent()
                         : FVertAlign == vtaBottom ? y - metrics.descent()
                                                   : y;
    if (FBackMode == bmOpaque && FPainter->transform().isIdentity())
        FillPixels(left, baseline - metrics.ascent(), left + width, baseline + metrics.descent(), FBackColor, pmCopy);
    FPainter->setFont(font);
    FPainter->setPen(ToQColor(FFont.Color()));
    FPainter->drawText(QPoint(left, baseline), ToQString(text));
}

void TChartCanvas3D::WriteText(int x, int y, const AnsiString& text)
{
    if (FPainter)
        DrawTextAt(x, y, text);
}

void TChartCanvas3D::WriteRotatedText(int x, int y, int angle, const AnsiString& text)
{
    if (angle > 360)
        angle -= 360;
    ClearBrush();
    if (!FPainter)
        return;
    FPainter->save();
    FPainter->translate(x, y);
    FPainter->rotate(-angle); // the platform turns counter-clockwise, Qt clockwise
    DrawTextAt(0, 0, text);
    FPainter->restore();
}

int TChartCanvas3D::TextWidthOf(std::string_view text)
{
    return FMetrics->TextWidth(FFont, text);
}

int TChartCanvas3D::TextHeightOf(std::string_view)
{
    return FMetrics->TextHeight(FFont);
}
