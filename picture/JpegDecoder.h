#pragma once
// Decoding of a JPEG picture's bytes into a bitmap: 8 bits per pixel with a
// colour table when colours are quantised (always for gray output, to 236
// colours), else 24-bit RGB.
#include "picture/JPEGData.h"
#include "picture/JPEGOptions.h"
#include "picture/JpegProgressReport.h"

#include <QImage>

// Raises EJPEG when libjpeg fails, and before decoding anything when the declared
// image or the decoder's working memory would pass the decompressor's bounds. Whatever a progress handler raises passes
// on too, and the bitmap then holds what was decoded so far; rows not yet
// decoded are the lightest colour.
void DecodeJpeg(const TJPEGData& data, const TJPEGDecodeOptions& options, const TJpegProgressEvent& progress,
    QImage& bitmap);
