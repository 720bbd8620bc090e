#pragma once
// What the information entry reports about a picture, and what a decoder
// needs to know to write it.
//
//   depthFactors      two numbers whose product is the file's bits per pixel,
//                     read as planes (or samples) times bits per sample, and
//                     always one of 1, 2, 4, 8, 24, 32: 16-bit samples count
//                     as 8, colour with alpha (or CMYK) as 4 x 8, other colour
//                     as 3 x 8 (so a 16-bit BMP reports 3 x 8), and indexed or grey
//                     depths that are no power of two are rounded up (3-plane
//                     PCX reports 1 x 4).
//   paletteSize       "the further number": entries of the file's own colour
//                     table, 0 for a true-colour file.
//   description       at most 25 characters, mostly the compression.
//   nativeBitsPerPixel and palette describe what the decoder writes: 1, 4 or 8
//                     bits with that palette, or 24-bit blue-green-red. Alpha
//                     is composed on white, so no 32-bit output exists.
//   colour            what the file says about its colours (not reported).

#include <cstdint>
#include <string>

#include "picdec/Palette.h"
#include "picdec/PictureFormat.h"
#include "picdec/colour/ColourSource.h"

namespace picdec {

struct PictureInfo {
    PictureFormat format = PictureFormat::Unknown;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int depthFactor1 = 1;
    int depthFactor2 = 8;
    int paletteSize = 0;
    std::string description;
    int nativeBitsPerPixel = 24;
    Palette palette;
    ColourSource colour;
};

// Depth factors of a true-colour file: 3 x 8, or 4 x 8 with alpha or a
// fourth ink (CMYK).
void SetColourDepth(PictureInfo& info, bool fourChannels);

// Depth factors of an indexed or grey file of planes x bits per plane.
void SetIndexedDepth(PictureInfo& info, int planes, int bitsPerPlane);

// Smallest DIB depth (1, 4 or 8) that holds indices of this many bits.
int PaletteDibDepth(int indexBits);

// Keeps a description within the 25 characters the information text allows.
std::string ShortDescription(std::string text);

}  // namespace picdec
