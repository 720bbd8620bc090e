#pragma once
// Shared body of the per-format fuzz targets: the whole read, with a much
// lower bitmap limit than the library's. A picture of 256 KiB still has
// every row, strip and tile shape, and keeps one input to milliseconds
// under the sanitizers; bigger ones only repeat the same code per pixel.

#include <cstddef>
#include <cstdint>

#include "picdec/MemoryBitmap.h"
#include "picdec/ReadPicture.h"

namespace picdec::fuzz {

inline void DecodeAsFormat(const std::uint8_t* data, std::size_t size, PictureFormat format)
{
    const Bytes file(data, size);
    PictureInfo info;
    ReadPictureInfo(file, info, format);
    ReadRequest request;
    request.expected = format;
    request.limits.maxBitmapBytes = std::size_t{256} * 1024;
    // The last byte sometimes asks for true colour; colour reduction has a
    // fuzz target of its own, where it runs at a useful speed.
    static constexpr int kCodes[] = {0, 0, 0, 0, 0, 0, 0, 24};
    request.resolution = size > 0 ? kCodes[data[size - 1] % 8] : 0;
    request.dither = size > 1 && (data[size - 2] & 1) != 0;
    MemoryBitmap bitmap;
    ReadPicture(file, request, bitmap);
}

}  // namespace picdec::fuzz
