#pragma once

#include <cstdint>

#include "picdec/PictureInfo.h"
#include "picdec/formats/TiffFile.h"

namespace picdec {

// How the first page's samples become a DIB.
enum class TiffKind {
    Paletted,  // colour map, 1 to 8 bits
    Grey,      // 1 to 16 bits, min-is-black or min-is-white
    Rgb8,      // 8-bit red-green-blue, chunky
    Samples,   // any other grey, RGB, CMYK or CIE L*a*b* page, sample by sample
    ViaRgba,   // everything else, through libtiff's RGBA conversion
};

struct TiffLayout {
    TiffKind kind = TiffKind::ViaRgba;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bitsPerSample = 1;
    int samplesPerPixel = 1;
    int photometric = PHOTOMETRIC_MINISBLACK;
    int compression = COMPRESSION_NONE;
    int sampleFormat = SAMPLEFORMAT_UINT;
    bool planar = false;
    bool hasAlpha = false;
    int alphaSample = -1;  // index of the alpha among a pixel's samples
    bool associatedAlpha = false;
    int orientation = ORIENTATION_TOPLEFT;
};

// Samples that carry colour: 1 grey, 3 RGB or L*a*b*, 4 CMYK.
int ColourSamples(const TiffLayout& layout);

bool IsGrey(const TiffLayout& layout);

// A Samples page decoded as 8-bit grey through a grey palette.
bool IsGreyWithoutAlpha(const TiffLayout& layout);

Status ReadTiffLayout(TiffFile& file, TiffLayout& layout);

// Palette of a paletted or grey page; empty for the others.
Palette TiffPalette(TiffFile& file, const TiffLayout& layout);

int TiffNativeDepth(const TiffLayout& layout);

}  // namespace picdec
