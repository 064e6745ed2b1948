#pragma once
// The circuit picture of the schematic window: a triode stage and a pentode
// stage, resistance-coupled, over a common ground rail.
#include <QImage>

// A grayscale drawing of 896 × 565 pixels.
QImage DrawCircuit();
