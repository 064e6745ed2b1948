#pragma once
// Colours are 32-bit values 0x00BBGGRR (red in the lowest byte). A value with the
// top bit set names a system colour by its index and is resolved when drawn.
#include <cstdint>

using TColor = std::int32_t;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }
constexpr bool IsSystemColor(TColor c) { return (static_cast<std::uint32_t>(c) & 0x80000000u) != 0; }

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor clInfoBk = SystemColor(24);

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSilver = 0xC0C0C0;

// No colour of its own: a point takes its series' colour, a series gets a free one.
constexpr TColor AutoColor = SystemColor(0);
// As a point colour: a null point, stored but not drawn.
constexpr TColor clNone = 0x1FFFFFFF;
