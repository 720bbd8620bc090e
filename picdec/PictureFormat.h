#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace picdec {

enum class PictureFormat { Unknown, Jpeg, Png, Gif, Tiff, Bmp, Pcx, Webp, Heif, Avif, Jxl };

// The format of a file judged by its first bytes, whatever its name says.
PictureFormat DetectFormat(std::span<const std::uint8_t> bytes);

// "JPEG", "PNG", "GIF", "TIFF", "BMP", "PCX", "WEBP", "HEIF", "AVIF", "JXL"; empty for Unknown.
std::string_view TypeTextOf(PictureFormat format);

}  // namespace picdec
