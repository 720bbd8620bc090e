#pragma once
// BMP and PCX files put together byte by byte, so every header field and
// compression case can be chosen.
// Every member of a plan has a default (`{}` at least), so designated
// initializers may name only the ones that matter.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "tests/native/picdec/writers/TestPictures.h"

namespace picdec::samples {

struct BmpPlan {
    std::uint32_t headerSize = 40;  // 12, 40, 108 or 124
    std::int32_t width = 0;
    std::int32_t height = 0;  // negative: top-down
    int bitsPerPixel = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::array<std::uint32_t, 4> masks{};  // written for compression 3
    Palette palette{};
    std::vector<std::uint8_t> pixels{};  // exactly as stored in the file
};
File BmpFile(const BmpPlan& plan);

// Uncompressed rows of a BMP, bottom row first, padded to 4 bytes.
std::vector<std::uint8_t> BmpRows(std::span<const std::vector<std::uint8_t>> topDownRows);

struct PcxPlan {
    int version = 5;
    bool compressed = true;
    int bitsPerPlane = 8;
    int planes = 1;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    unsigned bytesPerLine = 0;  // 0: the least that holds a line, rounded up to even
    Palette headerPalette{};      // up to 16 entries
    Palette endPalette{};         // 256 entries after a 0x0C marker, or none
    // Per line, the planes one after another, each bytesPerLine long.
    std::vector<std::vector<std::uint8_t>> lines{};
};
File PcxFile(const PcxPlan& plan);
unsigned PcxBytesPerLine(const PcxPlan& plan);

}  // namespace picdec::samples
