// The image control drawing its picture.
#include "picture/Image.h"
#include "picture/MemoryStream.h"
#include "tests/picture/TestPictures.h"
#include "tests/platform/CollectedErrors.h"
#include "tools/schematic/JpegWriter.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb Background = 0xFF808080;

// A 64 × 32 gray picture: black left half, white right half.
TBytes HalvesBlock()
{
    QImage halves(64, 32, QImage::Format_Grayscale8);
    halves.fill(255);
    for (int y = 0; y < 32; ++y)
        std::fill_n(halves.scanLine(y), 32, 0);
    return JpegBlock(WriteJpeg(halves, {95}));
}

void Read(TImage& image, const TBytes& block)
{
    TMemoryStream stream(block);
    image.Picture().ReadData(stream);
}

QImage Painted(TImage& image)
{
    QImage window(image.size(), QImage::Format_RGB32);
    window.fill(Background);
    QPainter canvas(&window);
    image.Paint(canvas);
    return window;
}

bool Dark(const QImage& window, int x, int y) { return qGray(window.pixel(x, y)) < 60; }
bool Light(const QImage& window, int x, int y) { return qGray(window.pixel(x, y)) > 200; }
bool Untouched(const QImage& window, int x, int y) { return window.pixel(x, y) == Background; }

} // namespace

TEST(Image, StretchFillsTheClientAreaInBothDirectionsIndependently)
{
    TImage image;
    image.resize(200, 50);
    image.SetStretch(true);
    Read(image, HalvesBlock());
    EXPECT_TRUE(image.testAttribute(Qt::WA_OpaquePaintEvent));
    const QImage window = Painted(image);
    EXPECT_TRUE(Dark(window, 0, 0) && Dark(window, 0, 49) && Dark(window, 95, 25));
    EXPECT_TRUE(Light(window, 105, 25) && Light(window, 199, 0) && Light(window, 199, 49));
}

TEST(Image, WithoutStretchDrawsAtOwnSizeTopLeftOrCentred)
{
    TImage image;
    image.resize(200, 50);
    Read(image, HalvesBlock());
    EXPECT_FALSE(image.testAttribute(Qt::WA_OpaquePaintEvent));
    QImage window = Painted(image);
    EXPECT_TRUE(Dark(window, 2, 2) && Light(window, 62, 30));
    EXPECT_TRUE(Untouched(window, 70, 10) && Untouched(window, 10, 40));

    image.SetCenter(true);
    window = Painted(image);
    EXPECT_TRUE(Untouched(window, 10, 25) && Untouched(window, 190, 25));
    EXPECT_TRUE(Dark(window, 70, 25) && Light(window, 130, 25));
}

TEST(Image, EmptyOrUnknownPictureDrawsNothing)
{
    const TBytes blocks[] = {
        StoredBlock("TJPEGImage", TBytes{0, 0, 0, 0}),
        StoredBlock("TMetafile", TBytes{1, 2, 3}),
    };
    for (const TBytes& block : blocks) {
        TImage image;
        image.resize(40, 30);
        image.SetStretch(true);
        Read(image, block);
        const QImage window = Painted(image);
        EXPECT_TRUE(Untouched(window, 0, 0) && Untouched(window, 20, 15) && Untouched(window, 39, 29));
        EXPECT_FALSE(image.testAttribute(Qt::WA_OpaquePaintEvent));
    }
}

TEST(Image, DecodingErrorWhilePaintingGoesToTheErrorSink)
{
    TImage image;
    image.resize(80, 48);
    image.SetStretch(true);
    Read(image, JpegBlock(WithSecondFrameHeader(WriteJpeg(SampleImage(40, 24, true)))));
    TCollectedErrors errors;
    image.grab();
    ASSERT_EQ(errors.Texts.size(), 1u);
    EXPECT_EQ(errors.Texts[0].rfind("JPEG error #", 0), 0u);

    // Reported once: the repaint that follows the error box must not raise it again,
    // and what lies beneath shows through instead of stale pixels.
    image.grab();
    EXPECT_EQ(errors.Texts.size(), 1u);
    EXPECT_FALSE(image.testAttribute(Qt::WA_OpaquePaintEvent));
    // New picture data is tried afresh.
    Read(image, JpegBlock(WithSecondFrameHeader(WriteJpeg(SampleImage(40, 24, true)))));
    image.grab();
    EXPECT_EQ(errors.Texts.size(), 2u);
}
