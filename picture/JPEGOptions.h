#pragma once
// How a JPEG picture is decoded.

// Output size divided by 2 to the power of the value.
enum TJPEGScale { jsFullSize, jsHalf, jsQuarter, jsEighth };
enum TJPEGPerformance { jpBestQuality, jpBestSpeed };
enum TJPEGPixelFormat { jf24Bit, jf8Bit };

struct TJPEGDecodeOptions {
    TJPEGScale Scale = jsFullSize;
    bool Smoothing = true;
    // Decode a colour file to gray.
    bool Grayscale = false;
    TJPEGPerformance Performance = jpBestQuality;
    TJPEGPixelFormat PixelFormat = jf24Bit;
    // Show each scan of a progressive file as it is decoded.
    bool ProgressiveDisplay = false;

    bool operator==(const TJPEGDecodeOptions&) const = default;
};
