#include "tests/picture/TestPictures.h"

#include "assets/SchematicPicture.h"

#include <cstdlib>

TBytes StoredBlock(std::string_view className, std::span<const std::uint8_t> classData)
{
    TBytes block{static_cast<std::uint8_t>(className.size())};
    for (char c : className)
        block.push_back(static_cast<std::uint8_t>(c));
    block.insert(block.end(), classData.begin(), classData.end());
    return block;
}

TBytes JpegBlock(std::span<const std::uint8_t> jpeg)
{
    const auto length = static_cast<std::uint32_t>(jpeg.size());
    TBytes data{static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
        static_cast<std::uint8_t>(length >> 16), static_cast<std::uint8_t>(length >> 24)};
    data.insert(data.end(), jpeg.begin(), jpeg.end());
    return StoredBlock("TJPEGImage", data);
}

std::span<const std::uint8_t> SchematicJpeg()
{
    return SchematicPictureData().subspan(1 + 10 + 4);
}

TBytes WithSecondFrameHeader(TBytes jpeg)
{
    jpeg.resize(jpeg.size() - 2);
    for (int b : {0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00, 0x10, 0x00, 0x10, 0x01, 0x01, 0x11, 0x00, 0xFF, 0xD9})
        jpeg.push_back(static_cast<std::uint8_t>(b));
    return jpeg;
}

TBytes WithDeclaredSize(TBytes jpeg, std::uint16_t width, std::uint16_t height)
{
    // Markers FF C0 to FF C2 open a baseline, extended or progressive frame header:
    // length (2), precision (1), height (2), width (2).
    for (std::size_t i = 2; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] >= 0xC0 && jpeg[i + 1] <= 0xC2) {
            jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
            jpeg[i + 6] = static_cast<std::uint8_t>(height);
            jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
            jpeg[i + 8] = static_cast<std::uint8_t>(width);
            break;
        }
    }
    return jpeg;
}

QImage SampleImage(int width, int height, bool gray)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool band = std::abs(x - 2 * y) < 6;
            const int r = band ? 20 : 40 + 180 * x / width;
            const int g = band ? 20 : 40 + 180 * y / height;
            const int b = band ? 20 : 200 - 120 * x / width;
            image.setPixel(x, y, qRgb(r, g, b));
        }
    return gray ? image.convertToFormat(QImage::Format_Grayscale8) : image;
}

double MeanDifference(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * left.width() * left.height());
}
