#include "picdec/PictureFormat.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

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

bool IsOneOf(std::span<const std::uint8_t> brand, std::initializer_list<std::string_view> brands)
{
    return std::any_of(brands.begin(), brands.end(), [brand](std::string_view b) {
        return std::equal(b.begin(), b.end(), brand.begin(), brand.end());
    });
}

bool IsAvifBrand(std::span<const std::uint8_t> brand) { return IsOneOf(brand, {"avif", "avis"}); }

bool IsHeifBrand(std::span<const std::uint8_t> brand)
{
    return IsOneOf(brand, {"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1"});
}

// An ISO base media file starts with its file type box: its size, "ftyp",
// the major brand, a version and the compatible brands. The still-image
// brands make a HEIF picture; an AV1 brand among them makes it AVIF, as the
// generic "mif1" major brand of an AV1 picture needs.
PictureFormat HeifKindOf(std::span<const std::uint8_t> bytes)
{
    static constexpr std::array<std::uint8_t, 4> ftyp{'f', 't', 'y', 'p'};
    if (bytes.size() < 16 || !StartsWith(bytes.subspan(4), ftyp))
        return PictureFormat::Unknown;
    const std::uint64_t boxSize = std::uint64_t{bytes[0]} << 24 | std::uint64_t{bytes[1]} << 16 |
                                  std::uint64_t{bytes[2]} << 8 | bytes[3];
    if (boxSize < 16)
        return PictureFormat::Unknown;
    const std::size_t end = static_cast<std::size_t>(std::min<std::uint64_t>(boxSize, bytes.size()));
    bool heif = IsHeifBrand(bytes.subspan(8, 4));
    bool avif = IsAvifBrand(bytes.subspan(8, 4));
    for (std::size_t at = 16; at + 4 <= end; at += 4) {
        heif = heif || IsHeifBrand(bytes.subspan(at, 4));
        avif = avif || IsAvifBrand(bytes.subspan(at, 4));
    }
    if (avif)
        return PictureFormat::Avif;
    return heif ? PictureFormat::Heif : PictureFormat::Unknown;
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
    // JPEG XL: a bare codestream, or the container's signature box.
    static constexpr std::array<std::uint8_t, 2> jxlCodestream{0xFF, 0x0A};
    static constexpr std::array<std::uint8_t, 12> jxlContainer{0, 0, 0, 0x0C, 'J', 'X', 'L', ' ', 0x0D, 0x0A, 0x87, 0x0A};

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
    if (StartsWith(bytes, jxlCodestream) || StartsWith(bytes, jxlContainer))
        return PictureFormat::Jxl;
    return HeifKindOf(bytes);
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
    case PictureFormat::Heif: return "HEIF";
    case PictureFormat::Avif: return "AVIF";
    case PictureFormat::Jxl: return "JXL";
    case PictureFormat::Unknown: break;
    }
    return {};
}

}  // namespace picdec
