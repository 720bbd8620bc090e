#include "picdec/MemoryBitmap.h"

#include <optional>

namespace picdec {

DibView MemoryBitmap::CreateBitmap(std::uint32_t width, std::uint32_t height, int bitsPerPixel, const Palette& palette)
{
    const std::optional<std::size_t> size = (DibStride(width, bitsPerPixel) * height).ToSize();
    bits_.reset(size ? static_cast<std::uint8_t*>(std::calloc(*size == 0 ? 1 : *size, 1)) : nullptr);
    palette_ = palette;
    view_ = bits_ ? DibView{bits_.get(), width, height, bitsPerPixel} : DibView{};
    return view_;
}

int MemoryBitmap::PixelIndex(std::uint32_t x, std::uint32_t y) const
{
    const std::uint8_t* row = view_.Row(y);
    const int bits = view_.bitsPerPixel;
    if (bits == 8)
        return row[x];
    const int perByte = 8 / bits;
    const int shift = 8 - bits * (1 + static_cast<int>(x % static_cast<std::uint32_t>(perByte)));
    return (row[x / static_cast<std::uint32_t>(perByte)] >> shift) & ((1 << bits) - 1);
}

Colour MemoryBitmap::PixelColour(std::uint32_t x, std::uint32_t y) const
{
    if (view_.bitsPerPixel == 24) {
        const std::uint8_t* p = view_.Row(y) + x * 3;
        return Colour{p[2], p[1], p[0]};
    }
    const auto index = static_cast<std::size_t>(PixelIndex(x, y));
    return index < palette_.size() ? palette_[index] : Colour{};
}

}  // namespace picdec
