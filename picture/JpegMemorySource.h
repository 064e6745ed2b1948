#pragma once
// A libjpeg data source over bytes in memory. Past their end it supplies a
// fake end-of-image marker, so a truncated file decodes as far as it goes.
#include <cstdint>
#include <cstdio>
#include <jpeglib.h>
#include <span>

struct TJpegMemorySource : jpeg_source_mgr {
    std::span<const std::uint8_t> Bytes;
    bool Served = false;
};

// The source must outlive the decompressor's use of it.
void AttachMemorySource(jpeg_decompress_struct& info, TJpegMemorySource& source, std::span<const std::uint8_t> bytes);
