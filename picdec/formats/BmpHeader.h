#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "picdec/Palette.h"
#include "picdec/formats/Codec.h"

namespace picdec {

enum class BmpCompression : std::uint32_t { None = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, Jpeg = 4, Png = 5, AlphaBitFields = 6 };

struct BmpHeader {
    std::uint32_t headerSize = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    BmpCompression compression = BmpCompression::None;
    // Red, green, blue, alpha masks for 16 and 32 bits per pixel.
    std::array<std::uint32_t, 4> masks{};
    Palette palette;
    std::size_t fileColourCount = 0;
    std::size_t pixelOffset = 0;
};

Status ParseBmpHeader(Bytes file, BmpHeader& header);

}  // namespace picdec
