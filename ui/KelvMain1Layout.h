#pragma once
// The main window's stored layout.
#include "app/ControlLayout.h"

#include <span>

std::span<const TControlLayout> Form1Layout();
