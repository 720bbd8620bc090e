#include "framework/DibLayout.h"

namespace {

std::uint32_t Read32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24; }
std::uint16_t Read16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBitFields = 3;

int TableSizeFor(int bitCount) { return bitCount >= 1 && bitCount <= 8 ? 1 << bitCount : 0; }

} // namespace

DibLayout GetDIBColorsAndBits(const std::uint8_t* dib, std::size_t size)
{
    if (!dib || size < 4)
        return {};
    const std::uint32_t headerSize = Read32(dib);
    DibLayout layout;
    std::size_t masks = 0;
    if (headerSize == kCoreHeaderSize) {
        if (size < kCoreHeaderSize)
            return {};
        layout.colorCount = TableSizeFor(Read16(dib + 10));
        layout.colorEntrySize = 3;
    } else {
        if (headerSize < 16 || size < 16 || headerSize > size)
            return {};
        const int bitCount = Read16(dib + 14);
        const std::uint32_t colorsUsed = headerSize >= 36 ? Read32(dib + 32) : 0;
        if (colorsUsed != 0 && colorsUsed <= 256)
            layout.colorCount = static_cast<int>(colorsUsed);
        else if (colorsUsed == 0)
            layout.colorCount = TableSizeFor(bitCount);
        else
            return {};
        const bool bitFields = headerSize == kInfoHeaderSize && Read32(dib + 16) == kBitFields;
        if (bitFields && (bitCount == 16 || bitCount == 32))
            masks = 12;
    }
    layout.colorsOffset = headerSize + masks;
    layout.bitsOffset = layout.colorsOffset + static_cast<std::size_t>(layout.colorCount) * layout.colorEntrySize;
    if (layout.bitsOffset > size)
        return {};
    return layout;
}
