#pragma once
// Writers of small picture files for the tests, built in memory.

#include <cstdint>
#include <span>
#include <vector>

#include "picdec/Palette.h"

namespace picdec::samples {

using File = std::vector<std::uint8_t>;

// Little-endian helpers for hand-built headers.
void Put16(File& file, unsigned value);
void Put32(File& file, std::uint32_t value);

// A colour that differs in every channel from its neighbours.
Colour PatternColour(std::uint32_t x, std::uint32_t y);

struct RgbPicture {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<Colour> pixels;

    Colour At(std::uint32_t x, std::uint32_t y) const { return pixels[y * width + x]; }
};

// The picture whose pixel at x, y is colour(x, y).
template <typename ColourAt>
RgbPicture Painted(std::uint32_t width, std::uint32_t height, ColourAt colour)
{
    RgbPicture picture{width, height, {}};
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x)
            picture.pixels.push_back(colour(x, y));
    return picture;
}

RgbPicture PatternPicture(std::uint32_t width, std::uint32_t height);
// A smooth picture with many colours, as a photograph has.
RgbPicture GradientPicture(std::uint32_t width, std::uint32_t height);

// Index (x * 7 + y * 3) % colours: every index appears, neighbours differ.
std::uint8_t PatternIndex(std::uint32_t x, std::uint32_t y, int colours);

// Distinct colours for a palette of this size.
Palette PatternPalette(int colours);

// Packs one row of indices MSB first at 1, 2, 4 or 8 bits.
std::vector<std::uint8_t> PackRow(std::span<const std::uint8_t> indices, int bits);

}  // namespace picdec::samples
