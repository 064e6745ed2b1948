#pragma once
// The font of a chart text: a face name, a height in pixels (negative: the character
// height, as the window layouts give it), a colour and a style. Its size in points
// follows from the height and the screen's resolution at creation. A change is
// reported to the owner, who repaints the chart.
#include "chart/ChartObject.h"
#include "core/AnsiString.h"
#include "core/Colors.h"

#include <QFont>

#include <functional>
#include <memory>

class TChartFont : public TChartObject {
public:
    // A font like the chart default font ("Arial", 8 points, black, no style).
    explicit TChartFont(std::function<void()> onChange = {});

    const AnsiString& Name() const { return FName; }
    void SetName(const AnsiString& value) { Set(FName, value); }
    int Height() const { return FHeight; }
    void SetHeight(int value) { Set(FHeight, value); }
    // Points at the font's pixels per inch.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Set(FColor, value); }
    bool Bold() const { return FBold; }
    void SetBold(bool value) { Set(FBold, value); }
    bool Italic() const { return FItalic; }
    void SetItalic(bool value) { Set(FItalic, value); }

    // Copies every setting but the owner; one change report when anything differed.
    void Assign(const TChartFont& other);
    // The same face, height and style, for measuring and drawing with Qt: missing
    // Windows faces get their metric-compatible stand-ins, and there is no kerning,
    // so a text is as wide as the sum of its characters.
    QFont ToQFont() const;

private:
    AnsiString FName;
    int FHeight;
    int FPixelsPerInch;
    TColor FColor = clBlack;
    bool FBold = false;
    bool FItalic = false;
};

// A new chart default font whose changes go to the owner. Under a Japanese user
// interface the face and size of the desktop's default font replace "Arial" and 8.
std::unique_ptr<TChartFont> CreateChartFont(std::function<void()> onChange);
