#include "tests/native/picdec/writers/TestPictures.h"

namespace picdec::samples {

void Put16(File& file, unsigned value)
{
    file.push_back(static_cast<std::uint8_t>(value));
    file.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(File& file, std::uint32_t value)
{
    Put16(file, value & 0xFFFF);
    Put16(file, value >> 16);
}

Colour PatternColour(std::uint32_t x, std::uint32_t y)
{
    return Colour{static_cast<std::uint8_t>(x * 37 + y * 11), static_cast<std::uint8_t>(x * 5 + y * 71),
                  static_cast<std::uint8_t>(x * 101 + y * 29 + 7)};
}

RgbPicture PatternPicture(std::uint32_t width, std::uint32_t height) { return Painted(width, height, PatternColour); }

RgbPicture GradientPicture(std::uint32_t width, std::uint32_t height)
{
    return Painted(width, height, [=](std::uint32_t x, std::uint32_t y) {
        return Colour{static_cast<std::uint8_t>(x * 255 / (width - 1)), static_cast<std::uint8_t>(y * 255 / (height - 1)),
                      static_cast<std::uint8_t>((x + y) * 255 / (width + height - 2))};
    });
}

std::uint8_t PatternIndex(std::uint32_t x, std::uint32_t y, int colours)
{
    return static_cast<std::uint8_t>((x * 7 + y * 3) % static_cast<std::uint32_t>(colours));
}

Palette PatternPalette(int colours)
{
    Palette palette;
    for (int i = 0; i < colours; ++i)
        palette.push_back(Colour{static_cast<std::uint8_t>(i * 53 + 9), static_cast<std::uint8_t>(255 - i * 31),
                                 static_cast<std::uint8_t>(i * 97 + 200)});
    return palette;
}

std::vector<std::uint8_t> PackRow(std::span<const std::uint8_t> indices, int bits)
{
    std::vector<std::uint8_t> row((indices.size() * static_cast<std::size_t>(bits) + 7) / 8, 0);
    const std::size_t perByte = 8 / static_cast<std::size_t>(bits);
    for (std::size_t x = 0; x < indices.size(); ++x) {
        const int shift = 8 - bits * (1 + static_cast<int>(x % perByte));
        row[x / perByte] = static_cast<std::uint8_t>(row[x / perByte] | (indices[x] << shift));
    }
    return row;
}

}  // namespace picdec::samples
