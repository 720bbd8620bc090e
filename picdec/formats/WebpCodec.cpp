#include "picdec/formats/WebpCodec.h"

#include <memory>
#include <string>

#include "picdec/CheckedSize.h"
#include "picdec/ClearRows.h"
#include "picdec/formats/WebpAnimation.h"
#include "picdec/formats/WebpProfile.h"
#include "picdec/formats/WebpSession.h"

namespace picdec {

namespace {

std::string KindOf(int format)
{
    switch (format) {
    case 1: return "Lossy";
    case 2: return "Lossless";
    }
    // A file cut inside its extended header, before the picture's own chunk.
    return "Extended";
}

std::string DescriptionOf(const WebPBitstreamFeatures& features)
{
    const std::string kind = features.has_animation ? "Animation" : KindOf(features.format);
    return features.has_alpha ? kind + ", alpha" : kind;
}

// The size of an animation is its canvas's.
Status ReadFeatures(Bytes file, WebPBitstreamFeatures& features)
{
    return StatusOfWebp(WebPGetFeatures(file.data(), file.size(), &features));
}

// Straight into the bitmap: libwebp writes blue-green-red rows bottom-up itself.
WebpResult DecodeOpaque(Bytes file, const DibView& target)
{
    return RunWebpDecode(file, {.mode = MODE_BGR, .pixels = target.bits, .size = target.SizeInBytes(),
                                .stride = static_cast<int>(target.Stride()), .bottomUp = true});
}

void ComposeOnWhite(const std::uint8_t* bgra, std::uint32_t width, std::uint8_t* row)
{
    for (std::uint32_t x = 0; x < width; ++x, bgra += 4, row += 3) {
        row[0] = OnWhite(bgra[0], bgra[3]);
        row[1] = OnWhite(bgra[1], bgra[3]);
        row[2] = OnWhite(bgra[2], bgra[3]);
    }
}

// libwebp hands alpha only as a fourth byte of each pixel, which a 24-bit
// row has no room for: the picture goes through a blue-green-red-alpha copy.
WebpResult DecodeComposed(Bytes file, const DibView& target)
{
    const CheckedSize stride = CheckedSize(target.width) * 4;
    const std::size_t size = SizeForAllocation(stride * target.height);
    const auto bgra = std::make_unique_for_overwrite<std::uint8_t[]>(size);
    const WebpResult result = RunWebpDecode(
        file, {.mode = MODE_BGRA, .pixels = bgra.get(), .size = size, .stride = static_cast<int>(stride.Value())});
    for (std::uint32_t y = 0; y < result.rowsDone && y < target.height; ++y)
        ComposeOnWhite(bgra.get() + y * stride.Value(), target.width, target.Row(y));
    return result;
}

}  // namespace

Status ReadWebpInfo(Bytes file, PictureInfo& info)
{
    WebPBitstreamFeatures features{};
    if (const Status status = ReadFeatures(file, features); status != Status::Ok)
        return status;
    info.format = PictureFormat::Webp;
    info.width = static_cast<std::uint32_t>(features.width);
    info.height = static_cast<std::uint32_t>(features.height);
    SetColourDepth(info, features.has_alpha != 0);
    info.paletteSize = 0;
    info.description = DescriptionOf(features);
    info.nativeBitsPerPixel = 24;
    info.palette = {};
    info.colour.icc = WebpProfile(file);
    return Status::Ok;
}

Status DecodeWebp(Bytes file, const PictureInfo& info, const DibView& target)
{
    WebPBitstreamFeatures features{};
    if (const Status status = ReadFeatures(file, features); status != Status::Ok)
        return status;
    if (target.bitsPerPixel != 24 || static_cast<std::uint32_t>(features.width) != info.width ||
        static_cast<std::uint32_t>(features.height) != info.height)
        return Status::CorruptData;
    const WebpResult result = features.has_animation ? DecodeFirstFrame(file, target)
                              : features.has_alpha   ? DecodeComposed(file, target)
                                                     : DecodeOpaque(file, target);
    if (result.status != Status::Ok)
        ClearRowsFrom(target, result.rowsDone);
    return result.status;
}

}  // namespace picdec
