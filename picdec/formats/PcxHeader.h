#pragma once

#include <cstddef>
#include <cstdint>

#include "picdec/Palette.h"
#include "picdec/formats/Codec.h"

namespace picdec {

constexpr std::size_t kPcxHeaderSize = 128;

struct PcxHeader {
    int version = 0;
    bool compressed = true;
    int bitsPerPlane = 0;
    int planes = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::size_t bytesPerLine = 0;
    bool hasEndPalette = false;
    Palette palette;  // empty for 24-bit pictures

    int IndexBits() const { return bitsPerPlane * planes; }
    bool TrueColour() const { return bitsPerPlane == 8 && planes >= 3; }
};

Status ParsePcxHeader(Bytes file, PcxHeader& header);

}  // namespace picdec
