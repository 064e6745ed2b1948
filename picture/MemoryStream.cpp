#include "picture/MemoryStream.h"

#include "core/StreamErrors.h"

#include <cstring>

TMemoryStream::TMemoryStream(std::span<const std::uint8_t> bytes)
    : FBytes(bytes)
{
}

void TMemoryStream::ReadBuffer(void* buffer, std::size_t count)
{
    if (count > Remaining())
        throw EReadError();
    if (count > 0)
        std::memcpy(buffer, FBytes.data() + FPosition, count);
    FPosition += count;
}

std::uint8_t TMemoryStream::ReadByte()
{
    std::uint8_t value = 0;
    ReadBuffer(&value, 1);
    return value;
}

std::uint32_t TMemoryStream::ReadUInt32()
{
    std::uint8_t bytes[4];
    ReadBuffer(bytes, sizeof bytes);
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::vector<std::uint8_t> TMemoryStream::ReadBytes(std::size_t count)
{
    if (count > Remaining())
        throw EReadError();
    const auto first = FBytes.begin() + static_cast<std::ptrdiff_t>(FPosition);
    FPosition += count;
    return {first, first + static_cast<std::ptrdiff_t>(count)};
}
