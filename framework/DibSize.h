#pragma once
// Sizes of device-independent bitmaps, in checked 64-bit arithmetic: the
// numbers may come from a file or from another program.
#include <cstdint>
#include <optional>

// Bytes of one row of pixels, padded to 32 bits.
std::optional<std::uint64_t> DibRowBytes(std::int64_t width, int bitCount);
// Bytes of all pixel rows.
std::optional<std::uint64_t> DibPixelBytes(std::int64_t width, std::int64_t height, int bitCount);

// The size of a bitmap in device-independent form: a 40-byte header, a
// colour table of 2^b entries of 4 bytes unless b is 24, and the pixel rows;
// 16 and 32 bits per pixel count as 24. Nothing when it does not fit.
std::optional<std::int64_t> DeviceIndependentSize(std::int64_t width, std::int64_t height, int bitsPerPixel);
