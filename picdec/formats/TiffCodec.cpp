#include "picdec/formats/TiffCodec.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "picdec/Orientation.h"
#include "picdec/PixelRows.h"
#include "picdec/colour/InkColours.h"
#include "picdec/formats/TiffLayout.h"
#include "picdec/formats/TiffPixels.h"
#include "picdec/formats/TiffRgba.h"

namespace picdec {

namespace {

std::string CompressionName(int compression)
{
    switch (compression) {
    case COMPRESSION_NONE: return "Uncompressed";
    case COMPRESSION_CCITTRLE: return "CCITT RLE";
    case COMPRESSION_CCITTFAX3: return "CCITT G3";
    case COMPRESSION_CCITTFAX4: return "CCITT G4";
    case COMPRESSION_LZW: return "LZW";
    case COMPRESSION_OJPEG: return "Old JPEG";
    case COMPRESSION_JPEG: return "JPEG";
    case COMPRESSION_ADOBE_DEFLATE:
    case COMPRESSION_DEFLATE: return "Deflate";
    case COMPRESSION_PACKBITS: return "PackBits";
    case COMPRESSION_LZMA: return "LZMA";
    case COMPRESSION_ZSTD: return "ZSTD";
    case COMPRESSION_WEBP: return "WebP";
    case COMPRESSION_JBIG: return "JBIG";
    default: return "Compression " + std::to_string(compression);
    }
}

std::string Description(TiffFile& file, const TiffLayout& layout)
{
    std::string text = CompressionName(layout.compression);
    const tdir_t pages = TIFFNumberOfDirectories(file.Handle());
    if (pages > 1)
        text += ", " + std::to_string(pages) + " pages";
    return ShortDescription(text);
}

struct UprightSize {
    std::uint32_t width;
    std::uint32_t height;
};

UprightSize UprightSizeOf(const TiffLayout& layout)
{
    if (SwapsAxes(layout.orientation))
        return {layout.height, layout.width};
    return {layout.width, layout.height};
}

void FillInfo(TiffFile& file, const TiffLayout& layout, PictureInfo& info)
{
    info.format = PictureFormat::Tiff;
    const UprightSize size = UprightSizeOf(layout);
    info.width = size.width;
    info.height = size.height;
    const int samples = ColourSamples(layout);
    if (samples >= 3)
        SetColourDepth(info, layout.hasAlpha || samples == 4);
    else
        SetIndexedDepth(info, 1, layout.bitsPerSample);
    info.paletteSize = layout.kind == TiffKind::Paletted ? 1 << layout.bitsPerSample : 0;
    info.description = Description(file, layout);
    info.nativeBitsPerPixel = TiffNativeDepth(layout);
    info.palette = TiffPalette(file, layout);
}

// Rows of indices or grey levels, as libtiff decodes them, into DIB rows.
class IndexRowWriter {
public:
    IndexRowWriter(const TiffLayout& layout, const DibView& target)
        : bits_(layout.bitsPerSample), target_(target), indices_(target.width)
    {
    }

    void operator()(std::uint32_t y, const std::uint8_t* const* planes)
    {
        const std::uint8_t* source = planes[0];
        std::uint8_t* row = target_.Row(y);
        if (bits_ == 2) {
            UnpackTwoBit(source, target_.width, indices_.data());
            PackIndices(indices_.data(), target_.width, 4, row);
        } else if (bits_ == 16) {
            for (std::uint32_t x = 0; x < target_.width; ++x) {
                std::uint16_t level = 0;
                std::memcpy(&level, source + x * 2, 2);
                row[x] = static_cast<std::uint8_t>(level >> 8);
            }
        } else {
            std::memcpy(row, source, (static_cast<std::size_t>(target_.width) * static_cast<std::size_t>(bits_) + 7) / 8);
        }
    }

private:
    int bits_;
    const DibView& target_;
    std::vector<std::uint8_t> indices_;
};

void RgbToBgr(const std::uint8_t* source, std::uint32_t width, std::uint8_t* row)
{
    for (std::uint32_t x = 0; x < width; ++x) {
        row[x * 3] = source[x * 3 + 2];
        row[x * 3 + 1] = source[x * 3 + 1];
        row[x * 3 + 2] = source[x * 3];
    }
}

Status DecodeRows(TiffFile& file, const TiffLayout& layout, const DibView& target)
{
    if (layout.kind == TiffKind::ViaRgba)
        return DecodeTiffViaRgba(file, layout, target);
    if (layout.kind == TiffKind::Rgb8)
        return file.ForEachRow([&target](std::uint32_t y, const std::uint8_t* const* planes) {
            RgbToBgr(planes[0], target.width, target.Row(y));
        });
    if (layout.kind == TiffKind::Samples) {
        TiffPixelWriter writer(layout, target, file.Profile());
        return file.ForEachRow(std::ref(writer));
    }
    IndexRowWriter writer(layout, target);
    return file.ForEachRow(std::ref(writer));
}

}  // namespace

Status ReadTiffInfo(Bytes file, PictureInfo& info)
{
    TiffFile tiff(file);
    TiffLayout layout;
    if (const Status status = ReadTiffLayout(tiff, layout); status != Status::Ok)
        return status;
    FillInfo(tiff, layout, info);
    const std::uint16_t photometric = tiff.Tag16(TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
    if (photometric == PHOTOMETRIC_RGB || photometric == PHOTOMETRIC_YCBCR || photometric == PHOTOMETRIC_PALETTE ||
        photometric == PHOTOMETRIC_MINISBLACK)
        info.colour.icc = tiff.Profile();
    else if (layout.kind == TiffKind::Samples && photometric == PHOTOMETRIC_SEPARATED)
        info.colour = InkPictureColours();
    return Status::Ok;
}

Status DecodeTiff(Bytes file, const PictureInfo& info, const DibView& target)
{
    TiffFile tiff(file);
    TiffLayout layout;
    if (const Status status = ReadTiffLayout(tiff, layout); status != Status::Ok)
        return status;
    const UprightSize size = UprightSizeOf(layout);
    if (size.width != info.width || size.height != info.height || target.bitsPerPixel != TiffNativeDepth(layout))
        return Status::CorruptData;
    return DecodeUpright(layout.orientation, target,
                         [&](const DibView& stored) { return DecodeRows(tiff, layout, stored); });
}

}  // namespace picdec
