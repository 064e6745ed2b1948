#include "picture/JpegMemorySource.h"

#include <jerror.h>

namespace {

const JOCTET FakeEndOfImage[] = {0xFF, JPEG_EOI};

TJpegMemorySource& SourceOf(j_decompress_ptr info)
{
    return *static_cast<TJpegMemorySource*>(info->src);
}

void InitSource(j_decompress_ptr info)
{
    TJpegMemorySource& source = SourceOf(info);
    source.Served = false;
    source.next_input_byte = nullptr;
    source.bytes_in_buffer = 0;
}

boolean FillInputBuffer(j_decompress_ptr info)
{
    TJpegMemorySource& source = SourceOf(info);
    if (!source.Served && !source.Bytes.empty()) {
        source.next_input_byte = source.Bytes.data();
        source.bytes_in_buffer = source.Bytes.size();
    } else {
        WARNMS(info, JWRN_JPEG_EOF);
        source.next_input_byte = FakeEndOfImage;
        source.bytes_in_buffer = sizeof FakeEndOfImage;
    }
    source.Served = true;
    return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count)
{
    TJpegMemorySource& source = SourceOf(info);
    if (count <= 0)
        return;
    if (!source.Served)
        FillInputBuffer(info);
    if (static_cast<unsigned long>(count) > source.bytes_in_buffer) {
        // Past the end: the next read gets the fake end marker.
        source.next_input_byte += source.bytes_in_buffer;
        source.bytes_in_buffer = 0;
        return;
    }
    source.next_input_byte += count;
    source.bytes_in_buffer -= static_cast<std::size_t>(count);
}

void TermSource(j_decompress_ptr) {}

} // namespace

void AttachMemorySource(jpeg_decompress_struct& info, TJpegMemorySource& source, std::span<const std::uint8_t> bytes)
{
    source.Bytes = bytes;
    source.init_source = InitSource;
    source.fill_input_buffer = FillInputBuffer;
    source.skip_input_data = SkipInputData;
    source.resync_to_restart = jpeg_resync_to_restart;
    source.term_source = TermSource;
    source.next_input_byte = nullptr;
    source.bytes_in_buffer = 0;
    info.src = &source;
}
