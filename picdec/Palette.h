#pragma once

#include <cstdint>
#include <vector>

namespace picdec {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

// At most 256 entries; the index of an entry is the pixel value.
using Palette = std::vector<Colour>;

// Grey ramp of 2^bits entries, black first (reversed when whiteIsZero).
Palette GreyPalette(int bits, bool whiteIsZero = false);

// Mixes a colour with white by alpha (255 = opaque).
constexpr std::uint8_t OnWhite(std::uint8_t value, std::uint8_t alpha)
{
    return static_cast<std::uint8_t>((value * alpha + 255 * (255 - alpha) + 127) / 255);
}

}  // namespace picdec
