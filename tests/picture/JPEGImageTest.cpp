// Reading, decoding and the settings of JPEG pictures.
#include "core/Abort.h"
#include "core/PictureErrors.h"
#include "picture/JPEGImage.h"
#include "picture/MemoryStream.h"
#include "tests/picture/TestPictures.h"
#include "tools/schematic/JpegWriter.h"

#include <gtest/gtest.h>
#include <jerror.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

// The class data of a JPEG picture: length and file.
void Load(TJPEGImage& image, std::span<const std::uint8_t> jpeg)
{
    const TBytes block = JpegBlock(jpeg);
    TMemoryStream stream(std::span<const std::uint8_t>(block).subspan(11));
    image.ReadData(stream);
}

std::string JpegErrorText(int code)
{
    return "JPEG error #" + std::to_string(code);
}

// Gray by libjpeg's luminance weights.
QImage Luminance(const QImage& colour)
{
    QImage gray(colour.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < colour.height(); ++y)
        for (int x = 0; x < colour.width(); ++x) {
            const QRgb p = colour.pixel(x, y);
            gray.scanLine(y)[x] = static_cast<uchar>(0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p) + 0.5);
        }
    return gray;
}

// Reports long enough after the start that libjpeg's monitor reports too.
void WaitOutFirstInterval(TProgressStage stage)
{
    if (stage == psStarting)
        std::this_thread::sleep_for(std::chrono::milliseconds(520));
}

} // namespace

TEST(JPEGImage, DecodesEachKindOfFileIntoTheRightBitmap)
{
    constexpr int w = 67, h = 45;
    auto options = [](auto change) {
        TJPEGDecodeOptions o;
        change(o);
        return o;
    };
    const auto none = [](TJPEGDecodeOptions&) {};
    const struct {
        const char* Name;
        bool GraySource;
        bool Progressive;
        TJPEGDecodeOptions Options;
        QImage::Format Format;
        QSize Size;
        double Tolerance;
    } cases[] = {
        {"gray", true, false, options(none), QImage::Format_Indexed8, {w, h}, 3},
        {"gray progressive", true, true, options(none), QImage::Format_Indexed8, {w, h}, 3},
        {"gray progressive shown scan by scan", true, true,
            options([](auto& o) { o.ProgressiveDisplay = true; }), QImage::Format_Indexed8, {w, h}, 3},
        {"colour", false, false, options(none), QImage::Format_RGB888, {w, h}, 3},
        {"colour progressive shown scan by scan", false, true,
            options([](auto& o) { o.ProgressiveDisplay = true; }), QImage::Format_RGB888, {w, h}, 3},
        {"colour at best speed", false, false,
            options([](auto& o) { o.Performance = jpBestSpeed; }), QImage::Format_RGB888, {w, h}, 4},
        {"colour to gray", false, false, options([](auto& o) { o.Grayscale = true; }), QImage::Format_Indexed8,
            {w, h}, 3},
        {"colour to 8 bits", false, false,
            options([](auto& o) { o.PixelFormat = jf8Bit; }), QImage::Format_Indexed8, {w, h}, 6},
        {"colour to 8 bits at best speed", false, false,
            options([](auto& o) { o.PixelFormat = jf8Bit; o.Performance = jpBestSpeed; }),
            QImage::Format_Indexed8, {w, h}, 20},
        {"half", false, false, options([](auto& o) { o.Scale = jsHalf; }), QImage::Format_RGB888, {34, 23}, 8},
        {"quarter", true, false, options([](auto& o) { o.Scale = jsQuarter; }), QImage::Format_Indexed8,
            {17, 12}, 10},
        {"eighth", false, false, options([](auto& o) { o.Scale = jsEighth; }), QImage::Format_RGB888, {9, 6},
            14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QImage source = SampleImage(w, h, c.GraySource);
        TJPEGImage image;
        Load(image, WriteJpeg(source, {90, c.Progressive}));
        image.SetScale(c.Options.Scale);
        image.SetGrayscale(c.Options.Grayscale);
        image.SetPerformance(c.Options.Performance);
        image.SetPixelFormat(c.Options.PixelFormat);
        image.SetProgressiveDisplay(c.Options.ProgressiveDisplay);
        EXPECT_EQ(image.Data().ProgressiveEncoding, c.Progressive);
        EXPECT_EQ(image.Data().Grayscale, c.GraySource);

        const QImage bitmap = image.Bitmap();
        EXPECT_EQ(bitmap.format(), c.Format);
        ASSERT_EQ(bitmap.size(), c.Size);
        EXPECT_EQ(QSize(image.Width(), image.Height()), c.Size);
        if (c.Format == QImage::Format_Indexed8) {
            EXPECT_LE(bitmap.colorCount(), 236);
        }
        if (c.Options.Grayscale) {
            for (QRgb entry : bitmap.colorTable())
                EXPECT_TRUE(qRed(entry) == qGreen(entry) && qGreen(entry) == qBlue(entry));
        }
        const QImage scaled = source.scaled(c.Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage expected = c.Options.Grayscale ? Luminance(scaled) : scaled;
        EXPECT_LT(MeanDifference(bitmap, expected), c.Tolerance);
    }
}

TEST(JPEGImage, ReportsTheHeaderSizeAtItsScaleUntilDecodedThenTheBitmapSize)
{
    TJPEGImage image;
    Load(image, WriteJpeg(SampleImage(67, 45, true)));
    EXPECT_EQ(QSize(image.Width(), image.Height()), QSize(67, 45));
    const struct {
        TJPEGScale scale;
        QSize size;
    } cases[] = {{jsHalf, {34, 23}}, {jsQuarter, {17, 12}}, {jsEighth, {9, 6}}};
    for (const auto& c : cases) {
        image.SetScale(c.scale);
        EXPECT_EQ(QSize(image.Width(), image.Height()), c.size) << "from the header";
        EXPECT_FALSE(image.Decoded());
        EXPECT_EQ(image.Bitmap().size(), c.size) << "as decoded";
    }
}

TEST(JPEGImage, AProgressHandlerChangingThePictureMidDecodeLeavesNoStaleBitmap)
{
    TJPEGImage image;
    Load(image, WriteJpeg(SampleImage(200, 150, true)));
    int reports = 0;
    image.OnProgress = [&](TGraphic&, TProgressStage stage, int, bool, const QRect&) {
        if (stage == psStarting && ++reports == 1)
            image.SetSmoothing(false); // drops the bitmap being decoded
    };
    image.Bitmap();
    EXPECT_GE(reports, 1);
    EXPECT_FALSE(image.Decoded()) << "a result for the old settings must not be kept";
    image.OnProgress = nullptr;
    EXPECT_EQ(image.Bitmap().size(), QSize(200, 150));
}

TEST(JPEGImage, RefusesToChangeItsSize)
{
    TJPEGImage image;
    Load(image, SchematicJpeg());
    for (auto set : {&TJPEGImage::SetWidth, &TJPEGImage::SetHeight}) {
        try {
            (image.*set)(100);
            ADD_FAILURE() << "size changed";
        } catch (const EInvalidGraphicOperation& error) {
            EXPECT_STREQ(error.what(), "Cannot change the size of a JPEG image");
        }
    }
    EXPECT_EQ(QSize(image.Width(), image.Height()), QSize(896, 565));
}

TEST(JPEGImage, CopiesShareTheCompressedBytesAndKeepThemWhenTheOriginalReadsAgain)
{
    TJPEGImage original;
    Load(original, SchematicJpeg());
    int originalChanges = 0;
    original.OnChange = [&](TGraphic&) { ++originalChanges; };

    TJPEGImage copy(original);
    EXPECT_EQ(&copy.Data(), &original.Data());
    EXPECT_FALSE(copy.OnChange);

    Load(original, WriteJpeg(SampleImage(20, 10, true)));
    EXPECT_EQ(originalChanges, 1);
    EXPECT_EQ(QSize(copy.Width(), copy.Height()), QSize(896, 565));
    EXPECT_EQ(copy.Bitmap().size(), QSize(896, 565));
}

TEST(JPEGImage, ZeroLengthGivesAnEmptyPictureThatDrawsNothing)
{
    const TBytes classData{0, 0, 0, 0, 0x55};
    TMemoryStream stream(classData);
    TJPEGImage image;
    image.ReadData(stream);
    EXPECT_EQ(stream.Position(), 4u);
    EXPECT_TRUE(image.Empty());
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(image.Height(), 0);

    QImage canvasImage(20, 20, QImage::Format_RGB32);
    canvasImage.fill(Qt::red);
    {
        QPainter canvas(&canvasImage);
        image.Draw(canvas, canvasImage.rect());
    }
    EXPECT_FALSE(image.Decoded());
    EXPECT_TRUE(image.Bitmap().isNull());
    EXPECT_EQ(canvasImage.pixel(10, 10), QColor(Qt::red).rgb());
}

TEST(JPEGImage, ChangingAnOptionDiscardsTheBitmapAndSignals)
{
    TJPEGImage image;
    Load(image, WriteJpeg(SampleImage(40, 24, true)));
    int changes = 0;
    image.OnChange = [&](TGraphic&) { ++changes; };
    image.Bitmap();
    EXPECT_EQ(changes, 1) << "a grayscale decode brings a palette, which is a change";
    image.SetSmoothing(true);
    EXPECT_TRUE(image.Decoded());
    EXPECT_EQ(changes, 1);
    image.SetSmoothing(false);
    EXPECT_FALSE(image.Decoded());
    EXPECT_EQ(changes, 2);
}

TEST(JPEGImage, AbortFromAProgressHandlerEndsDecodingQuietlyKeepingTheRowsDone)
{
    const TBytes jpeg = WriteJpeg(SampleImage(1600, 1200, true));
    TJPEGImage whole;
    Load(whole, jpeg);
    const QImage full = whole.Bitmap().convertToFormat(QImage::Format_Grayscale8);

    TJPEGImage image;
    Load(image, jpeg);
    std::vector<std::pair<TProgressStage, int>> reports;
    image.OnProgress = [&](TGraphic&, TProgressStage stage, int percent, bool, const QRect&) {
        reports.emplace_back(stage, percent);
        WaitOutFirstInterval(stage);
        if (stage == psRunning)
            throw EAbort();
    };
    ASSERT_NO_THROW(image.Bitmap());
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[1].first, psRunning);
    EXPECT_GT(reports[1].second, 0);
    EXPECT_EQ(reports[2], std::make_pair(psEnding, 0));

    ASSERT_TRUE(image.Decoded());
    const QImage partial = image.Bitmap().convertToFormat(QImage::Format_Grayscale8);
    EXPECT_EQ(partial.copy(0, 0, 1600, 8), full.copy(0, 0, 1600, 8));
    const uchar* lastRow = partial.constScanLine(1199);
    EXPECT_TRUE(std::all_of(lastRow, lastRow + 1600, [&](uchar v) { return v == lastRow[0] && v > 200; }));
}

TEST(JPEGImage, OtherErrorsFromAProgressHandlerPassOnAndLeaveNoBitmap)
{
    TJPEGImage image;
    Load(image, WriteJpeg(SampleImage(1600, 1200, true)));
    image.OnProgress = [&](TGraphic&, TProgressStage stage, int, bool, const QRect&) {
        WaitOutFirstInterval(stage);
        if (stage == psRunning)
            throw std::runtime_error("handler failed");
    };
    EXPECT_THROW(image.Bitmap(), std::runtime_error);
    EXPECT_FALSE(image.Decoded());
}

TEST(JPEGImage, LibjpegFailuresWhileDecodingRaiseTheirMessageCodeFromEveryDraw)
{
    const TBytes secondFrame = WithSecondFrameHeader(WriteJpeg(SampleImage(67, 45, false)));
    const TBytes cmyk = WriteJpeg(SampleImage(16, 16, false), {88, false, true});

    const struct {
        const char* Name;
        TBytes Jpeg;
        int Code;
    } cases[] = {
        {"a second frame header", secondFrame, JERR_SOF_DUPLICATE},
        {"four components", cmyk, JERR_CONVERSION_NOTIMPL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TJPEGImage image;
        Load(image, c.Jpeg);
        QImage window(30, 30, QImage::Format_RGB32);
        QPainter canvas(&window);
        for (int draw = 0; draw < 2; ++draw) {
            try {
                image.Draw(canvas, window.rect());
                ADD_FAILURE() << "decoded";
            } catch (const EJPEG& error) {
                EXPECT_EQ(error.what(), JpegErrorText(c.Code));
            }
            EXPECT_FALSE(image.Decoded());
        }
    }
}

TEST(JPEGImage, HugeDeclaredPicturesAreRefusedBeforeDecoding)
{
    const struct {
        const char* Name;
        bool Progressive;
        std::uint16_t Width, Height;
        int Code;
    } cases[] = {
        {"baseline, huge both ways", false, 65500, 65500, JERR_IMAGE_TOO_BIG},
        {"baseline, very wide", false, 65487, 2530, JERR_IMAGE_TOO_BIG},
        // Within the side bound, but its whole-image buffers pass the memory bound.
        {"progressive colour", true, 10000, 10000, JERR_OUT_OF_MEMORY},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TBytes jpeg = WriteJpeg(SampleImage(16, 16, false), {.Progressive = c.Progressive});
        TJPEGImage image;
        Load(image, WithDeclaredSize(jpeg, c.Width, c.Height));
        EXPECT_EQ(image.Width(), c.Width); // the header alone still reads
        try {
            image.Bitmap();
            ADD_FAILURE() << "decoded";
        } catch (const EJPEG& e) {
            EXPECT_EQ(e.Message(), JpegErrorText(c.Code));
        }
        EXPECT_FALSE(image.Decoded());
    }
}
