#include "tools/schematic/JpegWriter.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace {

struct TLayout {
    QImage::Format Format;
    int Components;
    J_COLOR_SPACE ColorSpace;
};

TLayout LayoutFor(const QImage& image, const TJpegWriteOptions& options)
{
    if (options.Cmyk)
        return {QImage::Format_RGBA8888, 4, JCS_CMYK};
    if (image.format() == QImage::Format_Grayscale8)
        return {QImage::Format_Grayscale8, 1, JCS_GRAYSCALE};
    return {QImage::Format_RGB888, 3, JCS_RGB};
}

} // namespace

// libjpeg's own error handler ends the program: the images written here are
// made by our own code, so any failure is a bug to see at once.
std::vector<std::uint8_t> WriteJpeg(const QImage& image, const TJpegWriteOptions& options)
{
    const TLayout layout = LayoutFor(image, options);
    const QImage rows = image.convertToFormat(layout.Format);

    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);

    info.image_width = static_cast<JDIMENSION>(rows.width());
    info.image_height = static_cast<JDIMENSION>(rows.height());
    info.input_components = layout.Components;
    info.in_color_space = layout.ColorSpace;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, options.Quality, TRUE);
    if (options.Progressive)
        jpeg_simple_progression(&info);
    info.write_JFIF_header = options.Cmyk ? FALSE : TRUE;
    info.JFIF_major_version = 1;
    info.JFIF_minor_version = 2;
    info.density_unit = 1;
    info.X_density = 300;
    info.Y_density = 300;

    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rows.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}
