#include "chart/ColorPalette.h"

#include <array>

namespace {
// red, green, yellow, blue, white, gray, fuchsia, teal, navy, maroon, lime, olive,
// purple, silver, aqua, black (0x00BBGGRR)
constexpr std::array<TColor, kPaletteSize> kPalette{
    clRed, 0x008000, 0x00FFFF, 0xFF0000, clWhite, 0x808080, 0xFF00FF, 0x808000,
    0x800000, 0x000080, 0x00FF00, 0x008080, 0x800080, clSilver, 0xFFFF00, clBlack,
};
} // namespace

TColor PaletteColor(int index)
{
    return kPalette[static_cast<unsigned>(index) % kPaletteSize];
}
