#include "chart/FontTextMetrics.h"

#include "chart/ChartFont.h"
#include "platform/QtText.h"

#include <QFontMetricsF>

#include <cmath>

void TFontTextMetrics::Select(const TChartFont& font)
{
    if (FValid && FKey.Height == font.Height() && FKey.Bold == font.Bold() && FKey.Italic == font.Italic()
        && FKey.Name == font.Name())
        return;
    const QFontMetricsF metrics(font.ToQFont());
    for (int c = 0; c < 256; ++c)
        FAdvances[c] = metrics.horizontalAdvance(QChar(static_cast<char16_t>(CodePointFromAnsi(static_cast<char>(c)))));
    FLineHeight = static_cast<int>(std::lround(metrics.height()));
    FKey = {font.Name(), font.Height(), font.Bold(), font.Italic()};
    FValid = true;
}

int TFontTextMetrics::TextWidth(const TChartFont& font, std::string_view text)
{
    Select(font);
    double width = 0;
    for (const char c : text)
        width += FAdvances[static_cast<unsigned char>(c)];
    // Rounded half away from zero, by hand where that is simple: labels are measured by
    // the hundred thousand.
    if (!(width >= 0 && width < 1e9))
        return static_cast<int>(std::lround(width));
    const int whole = static_cast<int>(width);
    return whole + (width - whole >= 0.5 ? 1 : 0);
}

int TFontTextMetrics::TextHeight(const TChartFont& font)
{
    Select(font);
    return FLineHeight;
}
