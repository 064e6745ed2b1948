#pragma once
// Stored picture blocks and small JPEG files for the picture tests.
#include <QImage>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

// A length byte, the class name, then the class's own data.
TBytes StoredBlock(std::string_view className, std::span<const std::uint8_t> classData);
// The stored block of a TJPEGImage holding the given file.
TBytes JpegBlock(std::span<const std::uint8_t> jpeg);
// The JPEG file inside the circuit picture's stored block.
std::span<const std::uint8_t> SchematicJpeg();

// The file with a second frame header spliced in before its end marker:
// the header reads, decoding fails.
TBytes WithSecondFrameHeader(TBytes jpeg);

// The file with its frame header declaring another size; the scan stays as it was.
TBytes WithDeclaredSize(TBytes jpeg, std::uint16_t width, std::uint16_t height);

// A smooth gradient with a dark diagonal band, so errors in row order,
// stride or colour show while JPEG loss stays small.
QImage SampleImage(int width, int height, bool gray);
// The mean absolute difference per channel between two images of one size.
double MeanDifference(const QImage& a, const QImage& b);
