#pragma once
// A device-independent bitmap's pixel bits owned by someone else: rows of
// ((width * bpp + 31) / 32) * 4 bytes, stored bottom-up as Windows keeps them.
// 24-bit pixels are blue, green, red; paletted pixels pack the leftmost pixel
// into the high bits of a byte.

#include <cstddef>
#include <cstdint>

#include "picdec/CheckedSize.h"

namespace picdec {

// Bytes in one row of a bitmap of this shape.
constexpr CheckedSize DibStride(std::uint32_t width, int bitsPerPixel)
{
    return (CheckedSize(width) * static_cast<std::uint32_t>(bitsPerPixel) + 31) / 32 * 4;
}

// Describes bits that exist, so its row offsets and size fit in size_t.
struct DibView {
    std::uint8_t* bits = nullptr;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bitsPerPixel = 0;

    std::size_t Stride() const { return static_cast<std::size_t>(DibStride(width, bitsPerPixel).Value()); }
    std::size_t SizeInBytes() const { return Stride() * height; }

    // Row y counted from the top of the picture.
    std::uint8_t* Row(std::uint32_t y) const { return bits + static_cast<std::size_t>(height - 1 - y) * Stride(); }
};

}  // namespace picdec
