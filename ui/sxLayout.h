#pragma once
// The schematic window's stored layout.
#include "app/ControlLayout.h"

#include <span>

std::span<const TControlLayout> Form2Layout();
