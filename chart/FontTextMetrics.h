#pragma once
// Text metrics of the real fonts. A text's width is the sum of its characters'
// advances, rounded once: the fonts are drawn without kerning, so this is what the
// text covers when drawn, and it costs a table lookup per character, so that a
// chart can measure a hundred thousand labels in a few milliseconds.
#include "chart/TextMetrics.h"
#include "core/AnsiString.h"

#include <array>

class TFontTextMetrics : public TTextMetrics {
public:
    int TextWidth(const TChartFont& font, std::string_view text) override;
    int TextHeight(const TChartFont& font) override;

private:
    // The advances of the 256 Windows-1251 characters and the line height of one font.
    void Select(const TChartFont& font);

    struct TKey {
        AnsiString Name;
        int Height = 0;
        bool Bold = false;
        bool Italic = false;
    };
    TKey FKey;
    bool FValid = false;
    std::array<double, 256> FAdvances{};
    int FLineHeight = 0;
};
