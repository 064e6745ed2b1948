#pragma once
// The title of an axis: its caption, angle and font.
#include "chart/ChartFont.h"
#include "chart/ChartObject.h"
#include "core/AnsiString.h"

#include <memory>

// Raises ChartException "<what> Angle must be between 0 and 359 degrees" outside 0 … 359.
void CheckAngle(int angle, const char* what);

class TChartAxisTitle : public TChartObject {
public:
    TChartAxisTitle(std::function<void()> onChange, int angle);

    int Angle() const { return FAngle; }
    void SetAngle(int value);
    // No caption: no title.
    const AnsiString& Caption() const { return FCaption; }
    void SetCaption(const AnsiString& value);
    TChartFont& Font() { return *FFont; }
    const TChartFont& Font() const { return *FFont; }

private:
    int FAngle;
    AnsiString FCaption;
    std::unique_ptr<TChartFont> FFont;
};
