#include "picdec/PixelRows.h"

#include <algorithm>
#include <cstring>

namespace picdec {

void PackIndices(const std::uint8_t* indices, std::uint32_t width, int bitsPerPixel, std::uint8_t* dibRow)
{
    if (bitsPerPixel == 8) {
        std::memcpy(dibRow, indices, width);
        return;
    }
    const int perByte = 8 / bitsPerPixel;
    const unsigned mask = (1u << bitsPerPixel) - 1;
    const std::uint32_t bytes = (width + static_cast<std::uint32_t>(perByte) - 1) / static_cast<std::uint32_t>(perByte);
    std::fill(dibRow, dibRow + bytes, std::uint8_t{0});
    for (std::uint32_t x = 0; x < width; ++x) {
        const int shift = 8 - bitsPerPixel * (1 + static_cast<int>(x % static_cast<std::uint32_t>(perByte)));
        dibRow[x / static_cast<std::uint32_t>(perByte)] |= static_cast<std::uint8_t>((indices[x] & mask) << shift);
    }
}

void UnpackTwoBit(const std::uint8_t* packed, std::uint32_t width, std::uint8_t* indices)
{
    for (std::uint32_t x = 0; x < width; ++x)
        indices[x] = static_cast<std::uint8_t>((packed[x / 4] >> (6 - 2 * (x % 4))) & 3);
}

void UnpackIndices(const std::uint8_t* dibRow, std::uint32_t width, int bitsPerPixel, std::uint8_t* indices)
{
    if (bitsPerPixel == 8) {
        std::memcpy(indices, dibRow, width);
        return;
    }
    const int perByte = 8 / bitsPerPixel;
    const unsigned mask = (1u << bitsPerPixel) - 1;
    for (std::uint32_t x = 0; x < width; ++x) {
        const int shift = 8 - bitsPerPixel * (1 + static_cast<int>(x % static_cast<std::uint32_t>(perByte)));
        indices[x] = static_cast<std::uint8_t>((dibRow[x / static_cast<std::uint32_t>(perByte)] >> shift) & mask);
    }
}

BgrTable MakeBgrTable(const Palette& palette)
{
    BgrTable table{};
    const std::size_t count = std::min<std::size_t>(palette.size(), 256);
    for (std::size_t i = 0; i < count; ++i) {
        table[i * 3] = palette[i].blue;
        table[i * 3 + 1] = palette[i].green;
        table[i * 3 + 2] = palette[i].red;
    }
    return table;
}

void ExpandToBgr(const std::uint8_t* dibRow, std::uint32_t width, int bitsPerPixel, const BgrTable& table,
                 std::uint8_t* bgrRow)
{
    const int perByte = 8 / bitsPerPixel;
    const unsigned mask = (1u << bitsPerPixel) - 1;
    for (std::uint32_t x = 0; x < width; ++x) {
        unsigned index = 0;
        if (bitsPerPixel == 8) {
            index = dibRow[x];
        } else {
            const int shift = 8 - bitsPerPixel * (1 + static_cast<int>(x % static_cast<std::uint32_t>(perByte)));
            index = (dibRow[x / static_cast<std::uint32_t>(perByte)] >> shift) & mask;
        }
        std::memcpy(bgrRow + x * 3, table.data() + index * 3, 3);
    }
}

}  // namespace picdec
