// Damaged JPEG files never crash: each either decodes or raises the picture
// error, and a failed read keeps the previous picture.
#include "assets/SchematicPicture.h"
#include "core/PictureErrors.h"
#include "picture/MemoryStream.h"
#include "picture/Picture.h"
#include "tests/picture/TestPictures.h"

#include <gtest/gtest.h>

namespace {

enum TOutcome { ocDecoded, ocReadFailed, ocDrawFailed };

// Reads the block into a picture that holds the circuit picture, then draws it.
TOutcome ReadAndDraw(const TBytes& block)
{
    TPicture picture;
    TMemoryStream original(SchematicPictureData());
    picture.ReadData(original);
    TGraphic* previous = picture.Graphic();

    TMemoryStream stream(block);
    try {
        picture.ReadData(stream);
    } catch (const EJPEG&) {
        EXPECT_EQ(picture.Graphic(), previous);
        return ocReadFailed;
    }
    QImage window(132, 80, QImage::Format_RGB32);
    QPainter canvas(&window);
    try {
        picture.Graphic()->Draw(canvas, window.rect());
    } catch (const EJPEG&) {
        return ocDrawFailed;
    }
    return ocDecoded;
}

} // namespace

TEST(CorruptPicture, TruncatedJpegDecodesAsFarAsItGoesOrFails)
{
    const std::span<const std::uint8_t> jpeg = SchematicJpeg();
    int counts[3] = {};
    for (std::size_t length = 0; length < jpeg.size(); length += length < 700 ? 7 : 997) {
        SCOPED_TRACE(length);
        ++counts[ReadAndDraw(JpegBlock(jpeg.first(length)))];
    }
    // A cut header fails to read; a cut scan decodes with the rest left gray.
    EXPECT_GT(counts[ocReadFailed], 0);
    EXPECT_GT(counts[ocDecoded], 0);
}

TEST(CorruptPicture, FlippedBytesDecodeOrFail)
{
    const std::span<const std::uint8_t> jpeg = SchematicJpeg();
    int counts[3] = {};
    for (std::size_t offset = 0; offset < jpeg.size(); offset += offset < 700 ? 3 : 613) {
        for (std::uint8_t mask : {0xFF, 0x10}) {
            SCOPED_TRACE(testing::Message() << offset << " ^ " << int(mask));
            TBytes damaged(jpeg.begin(), jpeg.end());
            damaged[offset] ^= mask;
            ++counts[ReadAndDraw(JpegBlock(damaged))];
        }
    }
    EXPECT_GT(counts[ocReadFailed], 0);
    EXPECT_GT(counts[ocDecoded], 0);
}
