#pragma once
// The stored picture of the schematic window's image: the class name
// "TJPEGImage" after its length byte, then the 32-bit length and the JPEG file.
#include <cstdint>
#include <span>

std::span<const std::uint8_t> SchematicPictureData();
