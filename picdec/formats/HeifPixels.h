#pragma once
// libheif's interleaved red-green-blue(-alpha) rows as blue-green-red bitmap
// rows. Samples of more than 8 bits, which libheif hands as 16-bit little-
// endian numbers, are reduced to 8 bits with rounding; alpha, straight or
// premultiplied, is composed on white.

#include <cstdint>

namespace picdec {

struct HeifRowLayout {
    int bitsPerSample = 8;  // 8 to 16
    bool alpha = false;
    bool premultiplied = false;
};

// A sample of this many bits (8 to 16) as the nearest 8-bit value.
constexpr std::uint8_t ReduceSample(std::uint32_t value, int bits)
{
    const std::uint32_t top = (1u << bits) - 1;
    return static_cast<std::uint8_t>((value * 255 + top / 2) / top);
}

// Bytes libheif uses for one pixel of this layout.
int HeifPixelBytes(const HeifRowLayout& layout);

void WriteBgrRow(const std::uint8_t* source, const HeifRowLayout& layout, std::uint32_t width, std::uint8_t* row);

}  // namespace picdec
