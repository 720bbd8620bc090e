#pragma once
// Interleaved red-green-blue(-alpha) rows, as libheif and libjxl hand them,
// written as blue-green-red bitmap rows. Samples of more than 8 bits, held
// as 16-bit little-endian numbers, are reduced to 8 bits with rounding;
// alpha, straight or premultiplied, is composed on white.

#include <cstdint>

#include "picdec/DibView.h"

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

// A 24-bit bitmap whose memory holds 8-bit red-green-blue rows from the top
// down becomes the bitmap of that picture, in place.
void TurnRgbRowsIntoBitmap(const DibView& bitmap);

}  // namespace picdec
