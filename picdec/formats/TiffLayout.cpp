#include "picdec/formats/TiffLayout.h"

#include <algorithm>

namespace picdec {

namespace {

bool IsIndexDepth(int bits) { return bits == 1 || bits == 2 || bits == 4 || bits == 8; }

TiffKind ChooseKind(const TiffLayout& layout, bool contiguous)
{
    const bool single = layout.samplesPerPixel == 1;
    if (layout.photometric == PHOTOMETRIC_PALETTE && single && IsIndexDepth(layout.bitsPerSample))
        return TiffKind::Paletted;
    const bool grey = layout.photometric == PHOTOMETRIC_MINISBLACK || layout.photometric == PHOTOMETRIC_MINISWHITE;
    if (grey && single && (IsIndexDepth(layout.bitsPerSample) || layout.bitsPerSample == 16))
        return TiffKind::Grey;
    const bool plainRgb = layout.photometric == PHOTOMETRIC_RGB && layout.samplesPerPixel == 3 &&
                          layout.bitsPerSample == 8 && contiguous && layout.compression != COMPRESSION_OJPEG;
    return plainRgb ? TiffKind::Rgb8 : TiffKind::ViaRgba;
}

bool HasAlphaSample(TiffFile& file)
{
    std::uint16_t count = 0;
    std::uint16_t* kinds = nullptr;
    if (TIFFGetField(file.Handle(), TIFFTAG_EXTRASAMPLES, &count, &kinds) != 1)
        return false;
    return std::any_of(kinds, kinds + count, [](std::uint16_t kind) {
        return kind == EXTRASAMPLE_ASSOCALPHA || kind == EXTRASAMPLE_UNASSALPHA;
    });
}

// Colour maps hold 16-bit values; some writers put 8-bit values in them.
std::uint8_t MapValue(std::uint16_t value, bool eightBit)
{
    return static_cast<std::uint8_t>(eightBit ? value : value >> 8);
}

}  // namespace

Status ReadTiffLayout(TiffFile& file, TiffLayout& layout)
{
    if (file.Handle() == nullptr)
        return file.Failure();
    layout.width = file.Tag32(TIFFTAG_IMAGEWIDTH, 0);
    layout.height = file.Tag32(TIFFTAG_IMAGELENGTH, 0);
    layout.bitsPerSample = file.Tag16(TIFFTAG_BITSPERSAMPLE, 1);
    layout.samplesPerPixel = file.Tag16(TIFFTAG_SAMPLESPERPIXEL, 1);
    layout.compression = file.Tag16(TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    std::uint16_t photometric = 0;
    if (TIFFGetField(file.Handle(), TIFFTAG_PHOTOMETRIC, &photometric) != 1)
        photometric = layout.samplesPerPixel >= 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
    layout.photometric = photometric;
    layout.hasAlpha = HasAlphaSample(file);
    const bool contiguous = file.Tag16(TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) == PLANARCONFIG_CONTIG;
    layout.kind = ChooseKind(layout, contiguous);
    if (layout.kind == TiffKind::ViaRgba) {
        char message[1024] = {};
        if (TIFFRGBAImageOK(file.Handle(), message) != 1)
            return Status::UnsupportedVariant;
    }
    return Status::Ok;
}

Palette TiffPalette(TiffFile& file, const TiffLayout& layout)
{
    if (layout.kind == TiffKind::Grey)
        return GreyPalette(std::min(layout.bitsPerSample, 8), layout.photometric == PHOTOMETRIC_MINISWHITE);
    if (layout.kind != TiffKind::Paletted)
        return {};
    std::uint16_t* red = nullptr;
    std::uint16_t* green = nullptr;
    std::uint16_t* blue = nullptr;
    const std::size_t count = std::size_t{1} << layout.bitsPerSample;
    if (TIFFGetField(file.Handle(), TIFFTAG_COLORMAP, &red, &green, &blue) != 1)
        return GreyPalette(layout.bitsPerSample);
    const bool eightBit = std::all_of(red, red + count, [](std::uint16_t v) { return v < 256; }) &&
                          std::all_of(green, green + count, [](std::uint16_t v) { return v < 256; }) &&
                          std::all_of(blue, blue + count, [](std::uint16_t v) { return v < 256; });
    Palette palette(count);
    for (std::size_t i = 0; i < count; ++i)
        palette[i] = Colour{MapValue(red[i], eightBit), MapValue(green[i], eightBit), MapValue(blue[i], eightBit)};
    return palette;
}

int TiffNativeDepth(const TiffLayout& layout)
{
    if (layout.kind == TiffKind::Paletted || layout.kind == TiffKind::Grey)
        return PaletteDibDepth(std::min(layout.bitsPerSample, 8));
    return 24;
}

}  // namespace picdec
