#pragma once
// A JPEG picture: its compressed bytes, shared between copies, are kept as
// read and decoded through libjpeg the first time the picture is drawn or its
// bitmap is asked for; the decoded bitmap is then reused.
#include "picture/Graphic.h"
#include "picture/JPEGData.h"
#include "picture/JPEGOptions.h"

#include <QImage>

#include <memory>

class TPictureFormats;

class TJPEGImage : public TGraphic {
public:
    TJPEGImage();
    // Shares the compressed bytes and the decoded bitmap; takes no handlers.
    TJPEGImage(const TJPEGImage& other);

    bool Empty() const override;
    // The decoded bitmap's size once decoded, else the size in the header.
    int Width() const override;
    int Height() const override;
    // Refused with EInvalidGraphicOperation: a JPEG picture keeps its size.
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    void Draw(QPainter& canvas, const QRect& rect) override;
    // A 32-bit length, then that many bytes of JPEG file. Only the header is
    // read; a failure raises and leaves the picture as it was.
    void ReadData(TMemoryStream& stream) override;

    const TJPEGData& Data() const { return *FData; }
    bool Decoded() const { return !FBitmap.isNull(); }
    // Decodes if not yet done. A null image for an empty picture.
    const QImage& Bitmap();

    const TJPEGDecodeOptions& Options() const { return FOptions; }
    // A changed option discards the decoded bitmap, so the next draw decodes anew.
    void SetScale(TJPEGScale value);
    void SetSmoothing(bool value);
    void SetGrayscale(bool value);
    void SetPerformance(TJPEGPerformance value);
    void SetPixelFormat(TJPEGPixelFormat value);
    void SetProgressiveDisplay(bool value);

private:
    template <class T>
    void SetOption(T TJPEGDecodeOptions::*option, T value);
    void Decode();

    std::shared_ptr<const TJPEGData> FData;
    TJPEGDecodeOptions FOptions;
    QImage FBitmap;
};

// Registers TJPEGImage under "jpeg" and "jpg".
void RegisterJPEGFormats(TPictureFormats& formats);
