#pragma once
// Conversions of single rows between 8-bit indices, packed DIB indices and
// 24-bit blue-green-red.

#include <array>
#include <cstdint>

#include "picdec/Palette.h"

namespace picdec {

// Writes one index per pixel into a DIB row of 1, 4 or 8 bits per pixel.
void PackIndices(const std::uint8_t* indices, std::uint32_t width, int bitsPerPixel, std::uint8_t* dibRow);

// Indices of a row of 2-bit pixels (PNG, TIFF), leftmost in the high bits;
// DIBs have no 2-bit depth, so these go on as 4-bit.
void UnpackTwoBit(const std::uint8_t* packed, std::uint32_t width, std::uint8_t* indices);

// Reads the indices of a DIB row of 1, 4 or 8 bits per pixel, one per byte.
void UnpackIndices(const std::uint8_t* dibRow, std::uint32_t width, int bitsPerPixel, std::uint8_t* indices);

// 256 blue-green-red triples; entries past the palette are black, so any
// index a damaged file produces has a colour.
using BgrTable = std::array<std::uint8_t, 256 * 3>;
BgrTable MakeBgrTable(const Palette& palette);

// Expands a DIB row of 1, 4 or 8 bits per pixel into blue-green-red.
void ExpandToBgr(const std::uint8_t* dibRow, std::uint32_t width, int bitsPerPixel, const BgrTable& table,
                 std::uint8_t* bgrRow);

}  // namespace picdec
