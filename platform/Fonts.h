#pragma once
// Fonts by their Windows face names. Where a face is missing, a metric-compatible
// stand-in takes its place ("Arial" and "MS Sans Serif" become Liberation Sans), so
// texts take the room they were designed for.
#include "core/Colors.h"

#include <QFont>
#include <QStringList>

struct TFontStyle {
    const char* Name;
    int Height;          // negative: character height in pixels at 120 pixels per inch
    TColor Color;
    bool Bold = false;
};

// A font of the face with the given character height in pixels (at least 1).
QFont MakePixelFont(const QString& name, int pixelHeight, bool bold = false, bool italic = false);
// The style's font at the screen's resolution.
QFont MakeFont(const TFontStyle& style);
