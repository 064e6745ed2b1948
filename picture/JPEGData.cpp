#include "picture/JPEGData.h"

#include "picture/JpegDecompressor.h"

void ReadJpegHeader(TJPEGData& data)
{
    TJpegDecompressor jpeg(data.Bytes);
    jpeg.ReadHeader();
    const jpeg_decompress_struct& info = jpeg.Info();
    data.Width = static_cast<int>(info.image_width);
    data.Height = static_cast<int>(info.image_height);
    data.Grayscale = info.jpeg_color_space == JCS_GRAYSCALE;
    data.ProgressiveEncoding = jpeg.HasMultipleScans();
}
