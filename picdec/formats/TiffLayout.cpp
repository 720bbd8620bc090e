#include "picdec/formats/TiffLayout.h"

#include <algorithm>

#include "picdec/formats/TiffSamples.h"

namespace picdec {

namespace {

// More samples than this are left to libtiff's RGBA conversion.
constexpr int kMaxSamples = 16;

bool IsIndexDepth(int bits) { return bits == 1 || bits == 2 || bits == 4 || bits == 8; }

bool ReadsSampleBySample(TiffFile& file, const TiffLayout& layout)
{
    if (layout.compression == COMPRESSION_OJPEG || layout.samplesPerPixel > kMaxSamples ||
        layout.samplesPerPixel < ColourSamples(layout) || (layout.hasAlpha && layout.alphaSample < ColourSamples(layout)) || !TiffSamples::Supports(layout.bitsPerSample, layout.sampleFormat))
        return false;
    switch (layout.photometric) {
    case PHOTOMETRIC_MINISBLACK:
    case PHOTOMETRIC_MINISWHITE:
    case PHOTOMETRIC_RGB: return true;
    case PHOTOMETRIC_SEPARATED: return file.Tag16(TIFFTAG_INKSET, INKSET_CMYK) == INKSET_CMYK;
    case PHOTOMETRIC_CIELAB: return layout.bitsPerSample == 8 || layout.bitsPerSample == 16;
    default: return false;
    }
}

TiffKind ChooseKind(TiffFile& file, const TiffLayout& layout)
{
    const bool single = layout.samplesPerPixel == 1;
    const bool unsignedIntegers = layout.sampleFormat == SAMPLEFORMAT_UINT;
    if (layout.photometric == PHOTOMETRIC_PALETTE && single && IsIndexDepth(layout.bitsPerSample))
        return TiffKind::Paletted;
    if (IsGrey(layout) && single && unsignedIntegers && (IsIndexDepth(layout.bitsPerSample) || layout.bitsPerSample == 16))
        return TiffKind::Grey;
    if (layout.photometric == PHOTOMETRIC_RGB && layout.samplesPerPixel == 3 && layout.bitsPerSample == 8 &&
        unsignedIntegers && !layout.planar && layout.compression != COMPRESSION_OJPEG)
        return TiffKind::Rgb8;
    return ReadsSampleBySample(file, layout) ? TiffKind::Samples : TiffKind::ViaRgba;
}

// The first extra sample that is an alpha, if any.
void ReadAlpha(TiffFile& file, TiffLayout& layout)
{
    std::uint16_t count = 0;
    std::uint16_t* kinds = nullptr;
    if (TIFFGetField(file.Handle(), TIFFTAG_EXTRASAMPLES, &count, &kinds) != 1)
        return;
    for (int i = 0; i < count; ++i) {
        if (kinds[i] == EXTRASAMPLE_ASSOCALPHA || kinds[i] == EXTRASAMPLE_UNASSALPHA) {
            layout.hasAlpha = true;
            layout.alphaSample = layout.samplesPerPixel - count + i;
            layout.associatedAlpha = kinds[i] == EXTRASAMPLE_ASSOCALPHA;
            return;
        }
    }
}

int ReadOrientation(TiffFile& file)
{
    const int orientation = file.Tag16(TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    return orientation >= ORIENTATION_TOPLEFT && orientation <= ORIENTATION_LEFTBOT ? orientation : ORIENTATION_TOPLEFT;
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
    if (TIFFIsCODECConfigured(static_cast<std::uint16_t>(layout.compression)) != 1)
        return Status::UnsupportedVariant;
    // The JPEG library is built for 8-bit samples only (no 12- or 16-bit JPEG).
    if (layout.compression == COMPRESSION_JPEG && layout.bitsPerSample != 8)
        return Status::UnsupportedVariant;
    std::uint16_t photometric = 0;
    if (TIFFGetField(file.Handle(), TIFFTAG_PHOTOMETRIC, &photometric) != 1)
        photometric = layout.samplesPerPixel >= 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
    layout.photometric = photometric;
    layout.sampleFormat = file.Tag16(TIFFTAG_SAMPLEFORMAT, SAMPLEFORMAT_UINT);
    layout.planar = file.Tag16(TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) == PLANARCONFIG_SEPARATE;
    layout.orientation = ReadOrientation(file);
    ReadAlpha(file, layout);
    layout.kind = ChooseKind(file, layout);
    if (layout.kind == TiffKind::ViaRgba) {
        char message[1024] = {};
        if (TIFFRGBAImageOK(file.Handle(), message) != 1)
            return Status::UnsupportedVariant;
    }
    return Status::Ok;
}

int ColourSamples(const TiffLayout& layout)
{
    switch (layout.photometric) {
    case PHOTOMETRIC_SEPARATED: return 4;
    case PHOTOMETRIC_RGB:
    case PHOTOMETRIC_CIELAB:
    case PHOTOMETRIC_YCBCR: return 3;
    case PHOTOMETRIC_MINISBLACK:
    case PHOTOMETRIC_MINISWHITE:
    case PHOTOMETRIC_PALETTE: return 1;
    default: return layout.samplesPerPixel - (layout.hasAlpha ? 1 : 0);
    }
}

bool IsGrey(const TiffLayout& layout)
{
    return layout.photometric == PHOTOMETRIC_MINISBLACK || layout.photometric == PHOTOMETRIC_MINISWHITE;
}

bool IsGreyWithoutAlpha(const TiffLayout& layout)
{
    return layout.kind == TiffKind::Samples && IsGrey(layout) && !layout.hasAlpha;
}

Palette TiffPalette(TiffFile& file, const TiffLayout& layout)
{
    if (IsGreyWithoutAlpha(layout))
        return GreyPalette(8);
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
    return IsGreyWithoutAlpha(layout) ? 8 : 24;
}

}  // namespace picdec
