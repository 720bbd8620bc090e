#include "picdec/formats/BmpBitFields.h"

#include <bit>

namespace picdec {

BmpBitFields::BmpBitFields(const std::array<std::uint32_t, 4>& masks)
    : channels_{MakeChannel(masks[0]), MakeChannel(masks[1]), MakeChannel(masks[2])}
{
}

BmpBitFields::Channel BmpBitFields::MakeChannel(std::uint32_t mask)
{
    if (mask == 0)
        return {};
    const int shift = std::countr_zero(mask);
    return {mask, shift, mask >> shift};
}

std::uint8_t BmpBitFields::Extract(const Channel& channel, std::uint32_t pixel)
{
    if (channel.maximum == 0)
        return 0;
    const std::uint64_t value = (pixel & channel.mask) >> channel.shift;
    return static_cast<std::uint8_t>((value * 255 + channel.maximum / 2) / channel.maximum);
}

void BmpBitFields::ConvertRow(const std::uint8_t* source, std::uint32_t width, int bitsPerPixel,
                              std::uint8_t* bgr) const
{
    const std::uint32_t bytes = static_cast<std::uint32_t>(bitsPerPixel) / 8;
    for (std::uint32_t x = 0; x < width; ++x) {
        const std::uint8_t* p = source + x * bytes;
        std::uint32_t pixel = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8;
        if (bytes == 4)
            pixel |= static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
        bgr[x * 3] = Extract(channels_[2], pixel);
        bgr[x * 3 + 1] = Extract(channels_[1], pixel);
        bgr[x * 3 + 2] = Extract(channels_[0], pixel);
    }
}

}  // namespace picdec
