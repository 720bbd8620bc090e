#include "picdec/ConvertDepth.h"

#include <cstring>
#include <vector>

#include "picdec/BgrRows.h"
#include "picdec/PixelRows.h"
#include "picdec/colour/ColourReduction.h"
#include "picdec/colour/PaletteMapping.h"

namespace picdec {

namespace {

DibView Create(BitmapSink& sink, const DibView& picture, int bits, const Palette& palette)
{
    return sink.CreateBitmap(picture.width, picture.height, bits, palette);
}

Status ToTrueColour(const DibView& picture, const Palette& palette, BitmapSink& sink)
{
    const DibView target = Create(sink, picture, 24, {});
    if (target.bits == nullptr)
        return Status::CannotCreateBitmap;
    BgrRows rows(picture, palette);
    for (std::uint32_t y = 0; y < picture.height; ++y)
        std::memcpy(target.Row(y), rows.Row(y), static_cast<std::size_t>(picture.width) * 3);
    return Status::Ok;
}

Status Repack(const DibView& picture, const Palette& palette, int outputBits, BitmapSink& sink)
{
    const DibView target = Create(sink, picture, outputBits, palette);
    if (target.bits == nullptr)
        return Status::CannotCreateBitmap;
    std::vector<std::uint8_t> indices(picture.width);
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        UnpackIndices(picture.Row(y), picture.width, picture.bitsPerPixel, indices.data());
        PackIndices(indices.data(), picture.width, outputBits, target.Row(y));
    }
    return Status::Ok;
}

Status Reduce(const DibView& picture, const Palette& palette, int outputBits, bool dither, BitmapSink& sink)
{
    BgrRows rows(picture, palette);
    const Palette reduced = ReducedPalette(rows, 1 << outputBits);
    const DibView target = Create(sink, picture, outputBits, reduced);
    if (target.bits == nullptr)
        return Status::CannotCreateBitmap;
    MapToPalette(rows, reduced, dither, target);
    return Status::Ok;
}

}  // namespace

Status ConvertDepth(const DibView& picture, const Palette& palette, int outputBits, bool dither, BitmapSink& sink)
{
    if (outputBits == 24)
        return ToTrueColour(picture, palette, sink);
    const bool paletted = picture.bitsPerPixel != 24;
    if (paletted && palette.size() <= (std::size_t{1} << outputBits))
        return Repack(picture, palette, outputBits, sink);
    return Reduce(picture, palette, outputBits, dither, sink);
}

}  // namespace picdec
