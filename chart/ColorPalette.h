#pragma once
// The 16 series colours: point colours when a series colours each point, and the
// free colours a chart hands to series that have none.
#include "core/Colors.h"

constexpr int kPaletteSize = 16;

// Palette entry (index mod 16); index ≥ 0.
TColor PaletteColor(int index);
