#include "picture/JPEGImage.h"

#include "core/Abort.h"
#include "core/PictureErrors.h"
#include "core/StoreChanged.h"
#include "picture/JpegDecoder.h"
#include "picture/MemoryStream.h"
#include "picture/PictureFormats.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// 8-bit output when the screen at start-up shows at most 256 colours.
TJPEGPixelFormat ScreenPixelFormat()
{
    static const TJPEGPixelFormat format = [] {
        const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
        return screen && screen->depth() <= 8 ? jf8Bit : jf24Bit;
    }();
    return format;
}

const std::shared_ptr<const TJPEGData>& NoData()
{
    static const auto empty = std::make_shared<const TJPEGData>();
    return empty;
}

} // namespace

TJPEGImage::TJPEGImage()
    : FData(NoData())
{
    FOptions.PixelFormat = ScreenPixelFormat();
}

TJPEGImage::TJPEGImage(const TJPEGImage& other)
    : TGraphic(other)
    , FData(other.FData)
    , FOptions(other.FOptions)
    , FBitmap(other.FBitmap)
{
}

bool TJPEGImage::Empty() const
{
    return FData->Bytes.empty();
}

namespace {

// A size from the header at the chosen scale, rounded up as the decoder rounds it.
int ScaledLength(int length, TJPEGScale scale)
{
    const int divisor = 1 << scale;
    return (length + divisor - 1) / divisor;
}

} // namespace

int TJPEGImage::Width() const
{
    return Decoded() ? FBitmap.width() : ScaledLength(FData->Width, FOptions.Scale);
}

int TJPEGImage::Height() const
{
    return Decoded() ? FBitmap.height() : ScaledLength(FData->Height, FOptions.Scale);
}

void TJPEGImage::SetWidth(int)
{
    throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetHeight(int)
{
    throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::ReadData(TMemoryStream& stream)
{
    const std::uint32_t length = stream.ReadUInt32();
    auto data = std::make_shared<TJPEGData>();
    data->Bytes = stream.ReadBytes(length);
    if (length > 0)
        ReadJpegHeader(*data);
    FData = std::move(data);
    FBitmap = QImage();
    Changed();
}

const QImage& TJPEGImage::Bitmap()
{
    Decode();
    return FBitmap;
}

void TJPEGImage::Draw(QPainter& canvas, const QRect& rect)
{
    Decode();
    if (Decoded())
        canvas.drawImage(rect, FBitmap);
}

void TJPEGImage::Decode()
{
    if (Decoded() || Empty())
        return;
    const TJpegProgressEvent progress = [this](TProgressStage stage, int percent, bool redraw, const QRect& rect) {
        Progress(stage, percent, redraw, rect);
    };
    // A progress handler may read new data or change an option meanwhile, so the
    // decoder works on its own reference to the bytes and on a bitmap of its own.
    // On an error the bitmap stays absent, so the next draw reports the error again.
    const std::shared_ptr<const TJPEGData> data = FData;
    const TJPEGDecodeOptions options = FOptions;
    QImage bitmap;
    try {
        DecodeJpeg(*data, options, progress, bitmap);
    } catch (const EAbort&) {
        // Stopped by a progress handler: keep what was decoded.
    }
    if (data != FData || !(options == FOptions))
        return; // the picture changed under the decoder: this result is stale
    FBitmap = std::move(bitmap);
    if (FBitmap.format() == QImage::Format_Indexed8)
        Changed(); // the bitmap brought a palette of its own
}

template <class T>
void TJPEGImage::SetOption(T TJPEGDecodeOptions::*option, T value)
{
    StoreChanged(FOptions.*option, value, [this] {
        FBitmap = QImage(); // decoded with the old options
        Changed();
    });
}

void TJPEGImage::SetScale(TJPEGScale value)
{
    SetOption(&TJPEGDecodeOptions::Scale, value);
}

void TJPEGImage::SetSmoothing(bool value)
{
    SetOption(&TJPEGDecodeOptions::Smoothing, value);
}

void TJPEGImage::SetGrayscale(bool value)
{
    SetOption(&TJPEGDecodeOptions::Grayscale, value);
}

void TJPEGImage::SetPerformance(TJPEGPerformance value)
{
    SetOption(&TJPEGDecodeOptions::Performance, value);
}

void TJPEGImage::SetPixelFormat(TJPEGPixelFormat value)
{
    SetOption(&TJPEGDecodeOptions::PixelFormat, value);
}

void TJPEGImage::SetProgressiveDisplay(bool value)
{
    SetOption(&TJPEGDecodeOptions::ProgressiveDisplay, value);
}

void RegisterJPEGFormats(TPictureFormats& formats)
{
    const auto create = []() -> std::unique_ptr<TGraphic> { return std::make_unique<TJPEGImage>(); };
    for (const char* extension : {"jpeg", "jpg"})
        formats.Register({extension, "JPEG Image File", "TJPEGImage", create});
}
