#pragma once
// The pictures the benchmarks read: made once per run, kept in memory and
// written to build/bench/pictures for ImageMagick.

#include <cstdint>
#include <string>

#include "tests/native/picdec/writers/TestPictures.h"

namespace picdec::bench {

struct BenchFile {
    samples::File bytes;
    std::string path;
};

// A synthetic photograph: smooth shapes, edges and grain.
const samples::RgbPicture& Photo(std::uint32_t width, std::uint32_t height);

const BenchFile& Jpeg24Megapixel420();
// The same photo with an embedded Adobe RGB profile, and with an sRGB one.
const BenchFile& Jpeg24MegapixelAdobeRgb();
const BenchFile& Jpeg24MegapixelSrgbTagged();
// The photo in CMYK inks, without a profile of its own.
const BenchFile& Jpeg24MegapixelCmyk();
const BenchFile& Png12Megapixel();
const BenchFile& Gif12Megapixel();
const BenchFile& Pcx12Megapixel();
const BenchFile& Bmp12Megapixel();
const BenchFile& Webp12Megapixel();
// The photo as HEVC (HEIC) and as AV1 (AVIF), 8 bits, lossy.
const BenchFile& Heic12Megapixel();
const BenchFile& Avif12Megapixel();
// The photo as JPEG XL, 8 bits, lossy (distance 1).
const BenchFile& Jxl12Megapixel();
// The 12-megapixel photo as a binary PPM, for ImageMagick's reduction.
const BenchFile& Ppm12Megapixel();

}  // namespace picdec::bench
