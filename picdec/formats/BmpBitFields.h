#pragma once

#include <array>
#include <cstdint>

namespace picdec {

// Turns 16- or 32-bit pixels into blue-green-red through colour masks.
class BmpBitFields {
public:
    explicit BmpBitFields(const std::array<std::uint32_t, 4>& masks);

    void ConvertRow(const std::uint8_t* source, std::uint32_t width, int bitsPerPixel, std::uint8_t* bgr) const;

private:
    struct Channel {
        std::uint32_t mask = 0;
        int shift = 0;
        std::uint32_t maximum = 0;
    };

    static Channel MakeChannel(std::uint32_t mask);
    static std::uint8_t Extract(const Channel& channel, std::uint32_t pixel);

    std::array<Channel, 3> channels_;
};

}  // namespace picdec
