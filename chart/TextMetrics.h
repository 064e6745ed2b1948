#pragma once
// How wide and how high a one-line text is in a chart font. The chart lays itself
// out through this alone, so its arithmetic can be checked with fixed metrics as
// well as with the real fonts.
#include <string_view>

class TChartFont;

class TTextMetrics {
public:
    virtual ~TTextMetrics() = default;
    // The width of the text's extent in pixels; 0 when it cannot be measured.
    virtual int TextWidth(const TChartFont& font, std::string_view text) = 0;
    // The height of a line of text in pixels; 0 when it cannot be measured.
    virtual int TextHeight(const TChartFont& font) = 0;
};
