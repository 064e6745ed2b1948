#pragma once
// Colour values as Qt colours: fixed colours as they are, system colours through
// the user's current palette.
#include "core/Colors.h"

#include <QColor>

// clBtnFace, clBtnShadow, clBtnHighlight, clWindowText, clInfoBk and clScrollBar resolve through the application
// palette; any other system colour takes the window colour.
QColor ToQColor(TColor color);
// The 0x00BBGGRR value of a resolved colour.
TColor ToTColor(const QColor& color);
