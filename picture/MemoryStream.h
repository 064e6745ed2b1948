#pragma once
// Stored data read from bytes in memory. A read that the remaining bytes
// cannot serve in full raises EReadError and leaves the position unchanged.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class TMemoryStream {
public:
    explicit TMemoryStream(std::span<const std::uint8_t> bytes);

    std::size_t Size() const { return FBytes.size(); }
    std::size_t Position() const { return FPosition; }
    std::size_t Remaining() const { return FBytes.size() - FPosition; }

    void ReadBuffer(void* buffer, std::size_t count);
    std::uint8_t ReadByte();
    // Little-endian.
    std::uint32_t ReadUInt32();
    // Checks the length before allocating, so a corrupt length costs nothing.
    std::vector<std::uint8_t> ReadBytes(std::size_t count);

private:
    std::span<const std::uint8_t> FBytes;
    std::size_t FPosition = 0;
};
