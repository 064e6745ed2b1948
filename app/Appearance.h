#pragma once
// Colours and fonts of controls.
#include "platform/Fonts.h"
#include "platform/SystemColors.h"

class QWidget;

// Paints the control's background in the colour (the edit area for text fields).
void SetControlColor(QWidget* control, TColor color);
// The colour of the control's text.
void SetFontColor(QWidget* control, TColor color);
// Marks a control whose text is wrong: its text turns red. Unmarked, it takes its
// container's text colour again.
void SetMarked(QWidget* control, bool marked);
void SetControlFont(QWidget* control, const TFontStyle& style);
