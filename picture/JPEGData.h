#pragma once
// The compressed bytes of a JPEG picture and what its header says, shared by
// the copies of one picture and freed with the last of them.
#include <cstdint>
#include <vector>

struct TJPEGData {
    std::vector<std::uint8_t> Bytes;
    int Width = 0;
    int Height = 0;
    bool Grayscale = false;
    bool ProgressiveEncoding = false;
};

// Fills in the header fields from the bytes; raises EJPEG when they are not
// a readable JPEG file. Nothing is decoded.
void ReadJpegHeader(TJPEGData& data);
