// Colour depth conversion of arbitrary pixels: byte 0 picks width, depth of
// the source and the resolution code, byte 1 the dither flag and palette
// size, then come the palette (3 bytes an entry) and the pixel bits.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "picdec/ConvertDepth.h"
#include "picdec/MemoryBitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace picdec;
    if (size < 3)
        return 0;
    static constexpr int kSourceBits[] = {1, 4, 8, 24};
    static constexpr int kOutputBits[] = {1, 4, 8, 24};
    const std::uint32_t width = 1u + (data[0] & 0x0F);
    const int sourceBits = kSourceBits[(data[0] >> 4) & 3];
    const int outputBits = kOutputBits[(data[0] >> 6) & 3];
    const bool dither = (data[1] & 1) != 0;
    std::size_t at = 2;
    Palette palette;
    if (sourceBits != 24) {
        const std::size_t entries = std::min<std::size_t>((data[1] >> 1) + 1u, (size - at) / 3);
        for (std::size_t i = 0; i < entries; ++i, at += 3)
            palette.push_back(Colour{data[at], data[at + 1], data[at + 2]});
    }
    const auto stride = static_cast<std::size_t>(DibStride(width, sourceBits).Value());
    const auto height = static_cast<std::uint32_t>((size - at) / stride);
    if (height == 0)
        return 0;
    MemoryBitmap source;
    const DibView picture = source.CreateBitmap(width, height, sourceBits, palette);
    std::memcpy(picture.bits, data + at, stride * height);
    MemoryBitmap target;
    ConvertDepth(picture, palette, outputBits, dither, target);
    return 0;
}
