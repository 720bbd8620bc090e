#include "picdec/DecodeLimits.h"

#include "picdec/DibView.h"

namespace picdec {

Status CheckBitmapShape(std::uint32_t width, std::uint32_t height, int bitsPerPixel, const DecodeLimits& limits)
{
    if (width == 0 || height == 0)
        return Status::EmptyPicture;
    if (width > limits.maxDimension || height > limits.maxDimension)
        return Status::DimensionTooLarge;
    const CheckedSize bytes = DibStride(width, bitsPerPixel) * height;
    if (!bytes.AtMost(limits.maxBitmapBytes) || !bytes.ToSize())
        return Status::BitmapTooLarge;
    return Status::Ok;
}

}  // namespace picdec
