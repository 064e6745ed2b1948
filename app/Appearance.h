#pragma once
// Colours and fonts of controls: system colours resolved through the Qt palette,
// and fonts given by name and character height at the design resolution.
#include "core/Colors.h"

#include <QColor>
#include <QFont>

class QWidget;

// The colour a value stands for: fixed colours as they are, system colours through
// the application palette (clBtnFace, clWindowText, clInfoBk, clScrollBar).
QColor ToQColor(TColor color);

// Paints the control's background in the colour (the edit area for text fields).
void SetControlColor(QWidget* control, TColor color);
// The colour of the control's text.
void SetFontColor(QWidget* control, TColor color);

struct TFontStyle {
    const char* Name;
    int Height;          // negative: character height in pixels at 120 pixels per inch
    TColor Color;
    bool Bold = false;
};

// The font at the screen's resolution; missing families fall back to a metric-compatible face.
QFont MakeFont(const TFontStyle& style);
void SetControlFont(QWidget* control, const TFontStyle& style);
