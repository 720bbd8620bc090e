#pragma once

#include <cstddef>
#include <cstdint>

#include "picdec/Status.h"

namespace picdec {

struct DecodeLimits {
    std::size_t maxBitmapBytes = std::size_t{512} * 1024 * 1024;
    std::uint32_t maxDimension = 65535;
};

// Refuses a bitmap of this shape before anything is allocated for it.
Status CheckBitmapShape(std::uint32_t width, std::uint32_t height, int bitsPerPixel, const DecodeLimits& limits);

}  // namespace picdec
