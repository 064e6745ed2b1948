#pragma once
// Baseline or progressive JFIF files from images, written with libjpeg.
#include <QImage>

#include <cstdint>
#include <vector>

struct TJpegWriteOptions {
    int Quality = 88;
    bool Progressive = false;
    // Store the four bytes of each RGBA8888 pixel as C, M, Y, K.
    bool Cmyk = false;
};

// A grayscale image gives a one-component file, any other a three-component one
// (or four with Cmyk). The JFIF header says version 1.02 and 300 dots per inch.
std::vector<std::uint8_t> WriteJpeg(const QImage& image, const TJpegWriteOptions& options = {});
