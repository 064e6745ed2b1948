// The circuit picture as the program carries it.
#include "assets/SchematicPicture.h"
#include "picture/JPEGImage.h"
#include "picture/MemoryStream.h"
#include "picture/Picture.h"
#include "tests/picture/TestPictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(StoredPicture, IsClassNameLengthAndOneWholeBaselineGrayscaleJfifFile)
{
    const std::span<const std::uint8_t> block = SchematicPictureData();
    ASSERT_GT(block.size(), 15u);
    EXPECT_EQ(block[0], 10);
    EXPECT_EQ(std::string(block.begin() + 1, block.begin() + 11), "TJPEGImage");
    const std::uint32_t length = block[11] | block[12] << 8 | block[13] << 16 | std::uint32_t(block[14]) << 24;
    EXPECT_EQ(length, block.size() - 15);

    const std::span<const std::uint8_t> jpeg = SchematicJpeg();
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    EXPECT_EQ(jpeg[jpeg.size() - 1], 0xD9);
    // APP0 "JFIF", version 1.02, dots per inch, 300 × 300.
    const std::uint8_t jfif[] = {0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 2, 1, 0x01, 0x2C, 0x01, 0x2C};
    EXPECT_TRUE(std::equal(std::begin(jfif), std::end(jfif), jpeg.begin() + 2));
    // A baseline frame (SOF0) and no progressive one (SOF2).
    const std::uint8_t sof0[] = {0xFF, 0xC0};
    const std::uint8_t sof2[] = {0xFF, 0xC2};
    EXPECT_NE(std::search(jpeg.begin(), jpeg.end(), std::begin(sof0), std::end(sof0)), jpeg.end());
    EXPECT_EQ(std::search(jpeg.begin(), jpeg.end(), std::begin(sof2), std::end(sof2)), jpeg.end());
}

TEST(StoredPicture, ReadsWholeBlockAndKnowsItsSizeFromTheHeaderAlone)
{
    TMemoryStream stream(SchematicPictureData());
    TPicture picture;
    picture.ReadData(stream);
    EXPECT_EQ(stream.Position(), stream.Size());

    auto* jpeg = dynamic_cast<TJPEGImage*>(picture.Graphic());
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(picture.Width(), 896);
    EXPECT_EQ(picture.Height(), 565);
    EXPECT_FALSE(jpeg->Decoded());
    EXPECT_TRUE(jpeg->Data().Grayscale);
    EXPECT_FALSE(jpeg->Data().ProgressiveEncoding);
    EXPECT_EQ(jpeg->Data().Bytes.size(), SchematicJpeg().size());
}

TEST(StoredPicture, FirstDrawDecodesOnceToAnEightBitGrayBitmap)
{
    TMemoryStream stream(SchematicPictureData());
    TPicture picture;
    picture.ReadData(stream);
    auto& jpeg = dynamic_cast<TJPEGImage&>(*picture.Graphic());

    QImage window(528, 319, QImage::Format_RGB32);
    {
        QPainter canvas(&window);
        jpeg.Draw(canvas, window.rect());
    }
    ASSERT_TRUE(jpeg.Decoded());
    const QImage bitmap = jpeg.Bitmap();
    EXPECT_EQ(bitmap.format(), QImage::Format_Indexed8);
    EXPECT_EQ(bitmap.size(), QSize(896, 565));
    EXPECT_GT(bitmap.colorCount(), 1);
    EXPECT_LE(bitmap.colorCount(), 236);
    for (QRgb entry : bitmap.colorTable())
        EXPECT_TRUE(qRed(entry) == qGreen(entry) && qGreen(entry) == qBlue(entry));

    // Light paper with dark lines, both in the bitmap and in the window.
    EXPECT_GT(qGray(bitmap.pixel(5, 5)), 200);
    EXPECT_GT(qGray(window.pixel(3, 3)), 200);
    const QImage gray = window.convertToFormat(QImage::Format_Grayscale8);
    EXPECT_LT(*std::min_element(gray.constBits(), gray.constBits() + gray.sizeInBytes()), 60);

    {
        QPainter canvas(&window);
        jpeg.Draw(canvas, window.rect());
    }
    EXPECT_EQ(jpeg.Bitmap().cacheKey(), bitmap.cacheKey());
}
