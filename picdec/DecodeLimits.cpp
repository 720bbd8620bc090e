#include "picdec/DecodeLimits.h"

#include "picdec/DibView.h"

namespace picdec {

Status CheckBitmapShape(std::uint32_t width, std::uint32_t height, int bitsPerPixel, const DecodeLimits& limits)
{
    if (width == 0 || height == 0)
        return Status::EmptyPicture;
    if (width > limits.maxDimension || height > limits.maxDimension)
        return Status::DimensionTooLarge;
    // Both factors are below 2^16 * 4 bytes, so the product fits in 64 bits.
    const auto bytes = static_cast<std::uint64_t>(DibStride(width, bitsPerPixel)) * height;
    if (bytes > limits.maxBitmapBytes)
        return Status::BitmapTooLarge;
    return Status::Ok;
}

}  // namespace picdec
