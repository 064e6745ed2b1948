#include "picture/JpegDecoder.h"

#include "core/PictureErrors.h"
#include "picture/JpegDecompressor.h"

#include <jerror.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int QuantisedColours = 236;

// Bounds far above any real picture and far below what takes a machine down: the
// pixels on either side of the declared image, and the bytes that the decoder's
// whole-image buffers and the bitmap may take together.
constexpr JDIMENSION kMaxSide = 10000;
constexpr std::uint64_t kMaxWorkingMemory = 512u << 20;

void SetParameters(TJpegDecompressor& jpeg, const TJPEGDecodeOptions& options, bool quantise)
{
    jpeg_decompress_struct& info = jpeg.Info();
    info.scale_num = 1;
    info.scale_denom = 1u << options.Scale;
    info.do_block_smoothing = options.Smoothing;
    if (quantise) {
        info.quantize_colors = TRUE;
        info.desired_number_of_colors = QuantisedColours;
    }
    if (options.Performance == jpBestSpeed) {
        info.dct_method = JDCT_IFAST;
        info.two_pass_quantize = FALSE;
        info.dither_mode = JDITHER_ORDERED;
    }
    info.buffered_image = options.ProgressiveDisplay && jpeg.HasMultipleScans();
}

// Refuses a picture before anything large is allocated: libjpeg would take whatever a
// few hundred bytes of header ask for, and decoding a huge image takes long.
void RefuseOversized(TJpegDecompressor& jpeg, bool quantise)
{
    jpeg_decompress_struct& info = jpeg.Info();
    if (info.image_width > kMaxSide || info.image_height > kMaxSide)
        throw EJPEG(JERR_IMAGE_TOO_BIG);
    jpeg.CalcOutputDimensions();
    const std::uint64_t outputPixels = std::uint64_t{info.output_width} * info.output_height;
    std::uint64_t bytes = outputPixels * (quantise ? 1 : 3); // the bitmap
    // Files of several scans keep every coefficient until the last scan.
    if (info.buffered_image || jpeg.HasMultipleScans())
        for (int c = 0; c < info.num_components; ++c)
            bytes += std::uint64_t{info.comp_info[c].width_in_blocks} * info.comp_info[c].height_in_blocks
                * DCTSIZE2 * sizeof(JCOEF);
    // Two-pass colour quantisation keeps the whole colour image for its second pass.
    if (quantise && info.two_pass_quantize && info.out_color_components > 1)
        bytes += outputPixels * static_cast<unsigned>(info.out_color_components);
    if (bytes > kMaxWorkingMemory)
        throw EJPEG(JERR_OUT_OF_MEMORY);
}

// The bitmap's colour table from libjpeg's colour map.
void SetColorTable(const jpeg_decompress_struct& info, QImage& bitmap)
{
    QList<QRgb> table;
    for (int i = 0; i < info.actual_number_of_colors; ++i) {
        if (info.out_color_components == 1) {
            const int gray = info.colormap[0][i];
            table.append(qRgb(gray, gray, gray));
        } else {
            table.append(qRgb(info.colormap[0][i], info.colormap[1][i], info.colormap[2][i]));
        }
    }
    bitmap.setColorTable(table);
}

void FillLightest(QImage& bitmap)
{
    if (bitmap.format() != QImage::Format_Indexed8) {
        bitmap.fill(Qt::white);
        return;
    }
    const QList<QRgb> table = bitmap.colorTable();
    const auto lightest = std::max_element(table.begin(), table.end(),
        [](QRgb a, QRgb b) { return qGray(a) < qGray(b); });
    bitmap.fill(static_cast<uint>(lightest - table.begin()));
}

// Reads the output pass's rows straight into the bitmap, several per call.
void ReadRows(TJpegDecompressor& jpeg, QImage& bitmap)
{
    const jpeg_decompress_struct& info = jpeg.Info();
    std::vector<JSAMPROW> rows(static_cast<std::size_t>(std::max(info.rec_outbuf_height, 1)));
    while (info.output_scanline < info.output_height) {
        const JDIMENSION first = info.output_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(static_cast<JDIMENSION>(rows.size()), info.output_height - first);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = bitmap.scanLine(static_cast<int>(first + i));
        jpeg.ReadScanlines(rows.data(), count);
    }
}

void Decompress(TJpegDecompressor& jpeg, bool quantise, QImage& bitmap)
{
    jpeg_decompress_struct& info = jpeg.Info();
    jpeg.StartDecompress();
    bitmap = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
        quantise ? QImage::Format_Indexed8 : QImage::Format_RGB888);
    if (bitmap.isNull())
        throw EJPEG(JERR_OUT_OF_MEMORY);
    if (quantise)
        SetColorTable(info, bitmap);
    FillLightest(bitmap);

    if (!info.buffered_image) {
        ReadRows(jpeg, bitmap);
    } else {
        // One output pass per scan, until a pass has shown the last scan.
        for (;;) {
            jpeg.StartOutput(info.input_scan_number);
            if (quantise)
                SetColorTable(info, bitmap);
            ReadRows(jpeg, bitmap);
            jpeg.FinishOutput();
            if (jpeg.InputComplete() && info.input_scan_number == info.output_scan_number)
                break;
        }
    }
    jpeg.FinishDecompress();
}

} // namespace

void DecodeJpeg(const TJPEGData& data, const TJPEGDecodeOptions& options, const TJpegProgressEvent& progress,
    QImage& bitmap)
{
    // Declared first: the decompressor's progress hook refers to it.
    TJpegProgressReport report(progress);
    TJpegDecompressor jpeg(data.Bytes);
    jpeg.SetProgressHook([&report](const jpeg_decompress_struct& info) { report.Update(info); });
    jpeg.ReadHeader();

    jpeg_decompress_struct& info = jpeg.Info();
    if (options.Grayscale)
        info.out_color_space = JCS_GRAYSCALE;
    // The bitmap rows hold gray indices or RGB triples; libjpeg refuses files
    // it cannot convert to RGB (CMYK, for one) instead of writing past a row.
    if (info.out_color_space != JCS_GRAYSCALE)
        info.out_color_space = JCS_RGB;
    const bool quantise = options.PixelFormat == jf8Bit || info.out_color_space == JCS_GRAYSCALE;
    SetParameters(jpeg, options, quantise);
    RefuseOversized(jpeg, quantise);

    try {
        report.Start();
        Decompress(jpeg, quantise, bitmap);
    } catch (...) {
        report.End(0);
        throw;
    }
    report.End(100);
}
