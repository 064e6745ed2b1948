#include "ui/sxLayout.h"

namespace {

const TFontStyle kFormFont{"MS Sans Serif", -13, clWindowText};
const TFontStyle kLinkFont{"MS Sans Serif", -15, clBlue, true};

// Positions and sizes at 120 pixels per inch, relative to the parent's client area.
const TControlLayout kLayout[] = {
    // name, align, left, top, width, height, tab order, text, hint, hints, font, colour
    {"Form2", alNone, 256, 201, 530, 357, -1, "Kelvorin: Расчет предварительного усилителя", nullptr, shParent, &kFormFont, clBtnFace},
    {"Panel1", alTop, 0, 0, 530, 321, 1, "Panel1", nullptr, shParent, nullptr, clDefault},
    {"Image1", alClient, 1, 1, 528, 319, -1, nullptr, nullptr, shParent, nullptr, clDefault},
    {"Label1", alNone, 10, 331, 407, 16, -1, "Новые версии находятся здесь: " KELVORIN_HOMEPAGE, nullptr, shParent, &kLinkFont, clDefault},
    {"Button1", alNone, 454, 328, 75, 25, 0, "Выход", nullptr, shParent, nullptr, clDefault},
};

} // namespace

std::span<const TControlLayout> Form2Layout()
{
    return kLayout;
}
