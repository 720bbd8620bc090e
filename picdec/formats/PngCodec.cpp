#include "picdec/formats/PngCodec.h"

#include <cmath>
#include <string>
#include <vector>

#include "picdec/CheckedSize.h"
#include "picdec/ClearRows.h"
#include "picdec/PixelRows.h"
#include "picdec/formats/PngSession.h"

namespace picdec {

namespace {

// How a row libpng delivers (after our transformations) becomes a DIB row.
enum class PngRowKind { Direct, TwoBit, GreyAlpha, Bgra };

struct PngLayout {
    PngRowKind kind = PngRowKind::Direct;
    int passes = 1;
    std::size_t rowBytes = 0;
    std::uint32_t rowsDone = 0;

    CheckedSize TempBytes(std::uint32_t height) const
    {
        if (kind == PngRowKind::Direct)
            return 0;
        return CheckedSize(rowBytes) * (passes > 1 ? height : 1);
    }
};

bool HasTransparency(png_structp png, png_infop info) { return png_get_valid(png, info, PNG_INFO_tRNS) != 0; }

// Transparent palette entries and a transparent grey level are shown on white.
Palette PaletteOf(png_structp png, png_infop info)
{
    const int type = png_get_color_type(png, info);
    const int depth = png_get_bit_depth(png, info);
    if (type == PNG_COLOR_TYPE_GRAY) {
        Palette palette = GreyPalette(depth == 16 ? 8 : depth);
        png_color_16p grey = nullptr;
        if (depth <= 8 && HasTransparency(png, info) && png_get_tRNS(png, info, nullptr, nullptr, &grey) != 0 &&
            grey->gray < palette.size())
            palette[grey->gray] = Colour{255, 255, 255};
        return palette;
    }
    png_colorp colours = nullptr;
    int count = 0;
    png_get_PLTE(png, info, &colours, &count);
    png_bytep alphas = nullptr;
    int alphaCount = 0;
    if (HasTransparency(png, info))
        png_get_tRNS(png, info, &alphas, &alphaCount, nullptr);
    Palette palette(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::uint8_t alpha = i < alphaCount ? alphas[i] : 255;
        palette[static_cast<std::size_t>(i)] = Colour{OnWhite(colours[i].red, alpha), OnWhite(colours[i].green, alpha),
                                                      OnWhite(colours[i].blue, alpha)};
    }
    return palette;
}

bool IsIndexed(int type) { return type == PNG_COLOR_TYPE_PALETTE || type == PNG_COLOR_TYPE_GRAY; }

void FillInfo(png_structp png, png_infop info, PictureInfo& out)
{
    const int type = png_get_color_type(png, info);
    const int depth = png_get_bit_depth(png, info);
    const int channels = png_get_channels(png, info);
    const bool alpha = (type & PNG_COLOR_MASK_ALPHA) != 0;
    out.format = PictureFormat::Png;
    out.width = png_get_image_width(png, info);
    out.height = png_get_image_height(png, info);
    if (channels >= 3)
        SetColourDepth(out, alpha);
    else
        SetIndexedDepth(out, 1, depth);
    const bool grey16WithKey = type == PNG_COLOR_TYPE_GRAY && depth == 16 && HasTransparency(png, info);
    const bool indexed = IsIndexed(type) && !grey16WithKey;
    out.paletteSize = type == PNG_COLOR_TYPE_PALETTE ? static_cast<int>(PaletteOf(png, info).size()) : 0;
    const bool interlaced = png_get_interlace_type(png, info) != PNG_INTERLACE_NONE;
    out.description = interlaced ? "Deflate, interlaced" : "Deflate";
    out.nativeBitsPerPixel = indexed ? PaletteDibDepth(depth) : (type == PNG_COLOR_TYPE_GRAY_ALPHA || grey16WithKey) ? 8 : 24;
    out.palette = indexed ? PaletteOf(png, info) : (out.nativeBitsPerPixel == 8 ? GreyPalette(8) : Palette{});
}

PngRowKind ChooseTransforms(png_structp png, png_infop info)
{
    const int type = png_get_color_type(png, info);
    const int depth = png_get_bit_depth(png, info);
    png_set_strip_16(png);
    if (type == PNG_COLOR_TYPE_PALETTE || (type == PNG_COLOR_TYPE_GRAY && depth <= 8))
        return depth == 2 ? PngRowKind::TwoBit : PngRowKind::Direct;
    if (type == PNG_COLOR_TYPE_GRAY) {
        if (!HasTransparency(png, info))
            return PngRowKind::Direct;
        png_set_tRNS_to_alpha(png);
        return PngRowKind::GreyAlpha;
    }
    if (type == PNG_COLOR_TYPE_GRAY_ALPHA)
        return PngRowKind::GreyAlpha;
    png_set_bgr(png);
    if (type == PNG_COLOR_TYPE_RGB && !HasTransparency(png, info))
        return PngRowKind::Direct;
    if (type == PNG_COLOR_TYPE_RGB)
        png_set_tRNS_to_alpha(png);
    return PngRowKind::Bgra;
}

void ConvertRow(const PngLayout& layout, const std::uint8_t* source, std::uint32_t width, std::uint8_t* row,
                std::uint8_t* indices)
{
    switch (layout.kind) {
    case PngRowKind::TwoBit:
        UnpackTwoBit(source, width, indices);
        PackIndices(indices, width, 4, row);
        break;
    case PngRowKind::GreyAlpha:
        for (std::uint32_t x = 0; x < width; ++x)
            row[x] = OnWhite(source[x * 2], source[x * 2 + 1]);
        break;
    case PngRowKind::Bgra:
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t alpha = source[x * 4 + 3];
            row[x * 3] = OnWhite(source[x * 4], alpha);
            row[x * 3 + 1] = OnWhite(source[x * 4 + 1], alpha);
            row[x * 3 + 2] = OnWhite(source[x * 4 + 2], alpha);
        }
        break;
    case PngRowKind::Direct: break;
    }
}

// The iCCP profile (libpng has checked its size against
// the limit of a chunk's memory and its header against its length).
IccProfile EmbeddedProfile(png_structp png, png_infop info)
{
    png_charp name = nullptr;
    int compression = 0;
    png_bytep profile = nullptr;
    png_uint_32 length = 0;
    if (png_get_iCCP(png, info, &name, &compression, &profile, &length) == 0)
        return {};
    const std::span<const std::uint8_t> bytes(profile, length);
    return IsWholeIccProfile(bytes) ? IccProfile(bytes.begin(), bytes.end()) : IccProfile{};
}

// gAMA 1/2.2 with sRGB's chromaticities, or none, is what most writers put
// down for sRGB (ImageMagick does for every PNG): taken as sRGB, not as its
// slightly different pure power curve.
bool MeansSrgb(const ColourSource& colours)
{
    constexpr double kClose = 0.01;
    if (colours.gamma != 0 && std::abs(colours.gamma - 1 / 2.2) > kClose / 2)
        return false;
    if (!colours.chromaticities)
        return true;
    const Chromaticities& c = *colours.chromaticities;
    const Chromaticities& srgb = kSrgbChromaticities;
    bool close = std::abs(c.white[0] - srgb.white[0]) < kClose && std::abs(c.white[1] - srgb.white[1]) < kClose;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
            close = close && std::abs(c.primaries[i][j] - srgb.primaries[i][j]) < kClose;
    return close;
}

// A picture's embedded profile; else, unless its sRGB chunk says sRGB, its
// gAMA and cHRM.
ColourSource ColoursOf(png_structp png, png_infop info)
{
    ColourSource colours;
    colours.icc = EmbeddedProfile(png, info);
    int intent = 0;
    if (!colours.icc.empty() || png_get_sRGB(png, info, &intent) != 0)
        return colours;
    double gamma = 0;
    if (png_get_gAMA(png, info, &gamma) != 0 && gamma >= 0.1 && gamma <= 10)
        colours.gamma = gamma;
    Chromaticities c{};
    if (png_get_cHRM(png, info, &c.white[0], &c.white[1], &c.primaries[0][0], &c.primaries[0][1],
                     &c.primaries[1][0], &c.primaries[1][1], &c.primaries[2][0], &c.primaries[2][1]) != 0)
        colours.chromaticities = c;
    return MeansSrgb(colours) ? ColourSource{} : colours;
}

Status ReadHeaderInto(PngSession& session, PictureInfo& info)
{
    if (!session.Valid())
        return Status::OutOfMemory;
    if (setjmp(session.State().jump))
        return session.State().FatalStatus();
    png_read_info(session.Png(), session.Info());
    FillInfo(session.Png(), session.Info(), info);
    info.colour = ColoursOf(session.Png(), session.Info());
    return Status::Ok;
}

Status PrepareRows(PngSession& session, const PictureInfo& info, PngLayout& layout)
{
    if (setjmp(session.State().jump))
        return session.State().FatalStatus();
    png_read_info(session.Png(), session.Info());
    if (png_get_image_width(session.Png(), session.Info()) != info.width ||
        png_get_image_height(session.Png(), session.Info()) != info.height)
        return Status::CorruptData;
    layout.kind = ChooseTransforms(session.Png(), session.Info());
    layout.passes = png_set_interlace_handling(session.Png());
    png_read_update_info(session.Png(), session.Info());
    layout.rowBytes = png_get_rowbytes(session.Png(), session.Info());
    return Status::Ok;
}

Status ReadRows(PngSession& session, PngLayout& layout, const DibView& target, std::uint8_t* temp,
                std::uint8_t* indices)
{
    if (setjmp(session.State().jump))
        return session.State().FatalStatus();
    const bool direct = layout.kind == PngRowKind::Direct;
    for (int pass = 0; pass < layout.passes; ++pass) {
        for (std::uint32_t y = 0; y < target.height; ++y) {
            std::uint8_t* row = direct ? target.Row(y) : layout.passes > 1 ? temp + y * layout.rowBytes : temp;
            png_read_row(session.Png(), row, nullptr);
            if (!direct && layout.passes == 1)
                ConvertRow(layout, temp, target.width, target.Row(y), indices);
            layout.rowsDone = y + 1;
        }
    }
    for (std::uint32_t y = 0; !direct && layout.passes > 1 && y < target.height; ++y)
        ConvertRow(layout, temp + y * layout.rowBytes, target.width, target.Row(y), indices);
    // Reading to IEND notices a file cut after the last pixel data.
    png_read_end(session.Png(), nullptr);
    return Status::Ok;
}

}  // namespace

Status ReadPngInfo(Bytes file, PictureInfo& info)
{
    PngSession session(file);
    return ReadHeaderInto(session, info);
}

Status DecodePng(Bytes file, const PictureInfo& info, const DibView& target)
{
    PngSession session(file);
    if (!session.Valid())
        return Status::OutOfMemory;
    PngLayout layout;
    Status status = PrepareRows(session, info, layout);
    if (status == Status::Ok) {
        std::vector<std::uint8_t> temp(SizeForAllocation(layout.TempBytes(info.height)));
        std::vector<std::uint8_t> indices(info.width);
        status = ReadRows(session, layout, target, temp.data(), indices.data());
    }
    if (status != Status::Ok)
        ClearRowsFrom(target, layout.passes > 1 ? 0 : layout.rowsDone);
    return status;
}

}  // namespace picdec
