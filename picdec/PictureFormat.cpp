#include "picdec/PictureFormat.h"

#include <algorithm>
#include <array>

namespace picdec {

namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> prefix)
{
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

bool LooksLikePcx(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 128 || bytes[0] != 0x0A)
        return false;
    const std::uint8_t version = bytes[1];
    const std::uint8_t encoding = bytes[2];
    const std::uint8_t bits = bytes[3];
    const bool knownVersion = version == 0 || (version >= 2 && version <= 5);
    const bool knownBits = bits == 1 || bits == 2 || bits == 4 || bits == 8;
    return knownVersion && encoding <= 1 && knownBits;
}

// A RIFF container holds many kinds (WAVE, AVI); its form type tells.
bool LooksLikeWebp(std::span<const std::uint8_t> bytes)
{
    static constexpr std::array<std::uint8_t, 4> riff{'R', 'I', 'F', 'F'};
    static constexpr std::array<std::uint8_t, 4> webp{'W', 'E', 'B', 'P'};
    return StartsWith(bytes, riff) && bytes.size() >= 12 && StartsWith(bytes.subspan(8), webp);
}

}  // namespace

PictureFormat DetectFormat(std::span<const std::uint8_t> bytes)
{
    static constexpr std::array<std::uint8_t, 3> jpeg{0xFF, 0xD8, 0xFF};
    static constexpr std::array<std::uint8_t, 8> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    static constexpr std::array<std::uint8_t, 6> gif87{'G', 'I', 'F', '8', '7', 'a'};
    static constexpr std::array<std::uint8_t, 6> gif89{'G', 'I', 'F', '8', '9', 'a'};
    static constexpr std::array<std::uint8_t, 4> tiffIntel{'I', 'I', 42, 0};
    static constexpr std::array<std::uint8_t, 4> tiffMotorola{'M', 'M', 0, 42};
    static constexpr std::array<std::uint8_t, 4> bigTiffIntel{'I', 'I', 43, 0};
    static constexpr std::array<std::uint8_t, 4> bigTiffMotorola{'M', 'M', 0, 43};
    static constexpr std::array<std::uint8_t, 2> bmp{'B', 'M'};

    if (StartsWith(bytes, jpeg))
        return PictureFormat::Jpeg;
    if (StartsWith(bytes, png))
        return PictureFormat::Png;
    if (StartsWith(bytes, gif87) || StartsWith(bytes, gif89))
        return PictureFormat::Gif;
    if (StartsWith(bytes, tiffIntel) || StartsWith(bytes, tiffMotorola) || StartsWith(bytes, bigTiffIntel) ||
        StartsWith(bytes, bigTiffMotorola))
        return PictureFormat::Tiff;
    if (StartsWith(bytes, bmp))
        return PictureFormat::Bmp;
    if (LooksLikePcx(bytes))
        return PictureFormat::Pcx;
    if (LooksLikeWebp(bytes))
        return PictureFormat::Webp;
    return PictureFormat::Unknown;
}

std::string_view TypeTextOf(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Jpeg: return "JPEG";
    case PictureFormat::Png: return "PNG";
    case PictureFormat::Gif: return "GIF";
    case PictureFormat::Tiff: return "TIFF";
    case PictureFormat::Bmp: return "BMP";
    case PictureFormat::Pcx: return "PCX";
    case PictureFormat::Webp: return "WEBP";
    case PictureFormat::Unknown: break;
    }
    return {};
}

}  // namespace picdec
