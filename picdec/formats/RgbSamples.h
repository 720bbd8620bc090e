#pragma once
// Interleaved red-green-blue(-alpha) rows, as libheif and libjxl hand them,
// written as blue-green-red bitmap rows. Samples of more than 8 bits, held
// as 16-bit little-endian numbers, are reduced to 8 bits with rounding;
// alpha, straight or premultiplied, is composed on white.

#include <cstdint>

namespace picdec {

struct RgbSampleLayout {
    int bitsPerSample = 8;  // 8 to 16: the numbers run from 0 to 2^bits - 1
    bool alpha = false;
    bool premultiplied = false;
};

// A sample of this many bits (8 to 16) as the nearest 8-bit value.
constexpr std::uint8_t ReduceSample(std::uint32_t value, int bits)
{
    const std::uint32_t top = (1u << bits) - 1;
    return static_cast<std::uint8_t>((value * 255 + top / 2) / top);
}

// Bytes of one pixel of this layout.
int SamplePixelBytes(const RgbSampleLayout& layout);

void WriteBgrRow(const std::uint8_t* source, const RgbSampleLayout& layout, std::uint32_t width, std::uint8_t* row);

}  // namespace picdec
