// Writes the generated seed files of the fuzz targets:
//   make_fuzz_corpus DIR   ->   DIR/<target>/<name>
// Other files in DIR (seeds added by hand, regressions) are left alone.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include <tiffio.h>

#include "tests/native/picdec/writers/EncodedPictures.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"
#include "tests/native/picdec/writers/IccProfiles.h"

namespace {

using namespace picdec;
using namespace picdec::samples;

std::vector<std::vector<std::uint8_t>> IndexRows(std::uint32_t width, std::uint32_t height, int bits)
{
    std::vector<std::vector<std::uint8_t>> rows;
    for (std::uint32_t y = 0; y < height; ++y) {
        std::vector<std::uint8_t> indices;
        for (std::uint32_t x = 0; x < width; ++x)
            indices.push_back(PatternIndex(x, y, 1 << bits));
        rows.push_back(PackRow(indices, bits));
    }
    return rows;
}

std::vector<std::vector<std::uint8_t>> Rows(std::size_t count, std::size_t bytes, std::uint8_t fill)
{
    return std::vector<std::vector<std::uint8_t>>(count, std::vector<std::uint8_t>(bytes, fill));
}

File Jpeg(const JpegOptions& options) { return JpegFile(PatternPicture(16, 12), options); }

// Every row of a TIFF page holds the same byte.
File Tiff(TiffPlan plan, std::uint8_t fill)
{
    const std::size_t bits = std::size_t{plan.width} * static_cast<std::size_t>(plan.samplesPerPixel * plan.bitsPerSample);
    plan.rows = Rows(plan.height, (bits + 7) / 8, fill);
    return TiffFile(plan);
}

File PaletteTiff()
{
    TiffPlan plan{.width = 20, .height = 9, .bitsPerSample = 4, .photometric = PHOTOMETRIC_PALETTE, .compression = COMPRESSION_LZW};
    plan.rows = IndexRows(20, 9, 4);
    for (int i = 0; i < 16; ++i)
        plan.palette.push_back({static_cast<std::uint8_t>(i * 15), static_cast<std::uint8_t>(i * 15 + 1),
                                static_cast<std::uint8_t>(i * 15 + 2)});
    return TiffFile(plan);
}

File FaxTiff()
{
    TiffPlan plan{.width = 20, .height = 9, .bitsPerSample = 1, .photometric = PHOTOMETRIC_MINISWHITE, .compression = COMPRESSION_CCITTFAX4};
    plan.rows = IndexRows(20, 9, 1);
    return TiffFile(plan);
}

// An 8 x 8 frame on a 12 x 10 screen.
File Gif(int colourBits, int transparent, bool interlaced, bool localMap, int codeSize)
{
    GifPlan plan{.screenWidth = 12, .screenHeight = 10, .left = 2, .top = 1, .width = 8, .height = 8, .colourBits = colourBits};
    plan.palette = PatternPalette(1 << colourBits);
    for (std::uint32_t i = 0; i < 64; ++i)
        plan.indices.push_back(PatternIndex(i % 8, i / 8, 16));
    plan.transparent = transparent;
    plan.interlaced = interlaced;
    plan.localColourMap = localMap;
    plan.lzwCodeSize = codeSize;
    return GifFile(plan);
}

File RleBmp(int bits, std::vector<std::uint8_t> pixels)
{
    return BmpFile({.width = 6, .height = 3, .bitsPerPixel = bits, .compression = bits == 8 ? 1u : 2u, .coloursUsed = 8,
                    .palette = PatternPalette(8), .pixels = std::move(pixels)});
}

// A 9 x 7 picture with a different byte in every sample.
File Webp(bool alpha, bool lossless)
{
    const std::size_t channels = alpha ? 4 : 3;
    WebpPlan plan{.width = 9, .height = 7, .alpha = alpha, .lossless = lossless};
    for (std::uint32_t y = 0; y < plan.height; ++y) {
        auto& row = plan.rows.emplace_back();
        for (std::size_t i = 0; i < plan.width * channels; ++i)
            row.push_back(static_cast<std::uint8_t>(i * 29 + y * 71));
    }
    return WebpFile(plan);
}

// A 9 x 7 HEIF picture (HEVC, or AV1 for AVIF) of different samples.
File Heif(bool av1, int bits, bool alpha, int orientation = 1)
{
    const std::size_t channels = alpha ? 4 : 3;
    HeifPlan plan{.width = 9, .height = 7, .av1 = av1, .alpha = alpha, .bitDepth = bits, .orientation = orientation};
    for (std::uint32_t y = 0; y < plan.height; ++y) {
        auto& row = plan.rows.emplace_back();
        for (std::size_t i = 0; i < plan.width * channels; ++i)
            row.push_back(static_cast<std::uint16_t>((i * 29 + y * 71) % (1u << bits)));
    }
    return HeifFile(plan);
}

// A 9 x 7 JPEG XL picture of different samples.
File Jxl(int bits, bool grey, bool alpha, bool lossless, int orientation = 1, int frames = 1)
{
    const std::size_t channels = (grey ? 1 : 3) + (alpha ? 1 : 0);
    JxlPlan plan{.width = 9, .height = 7, .grey = grey, .alpha = alpha, .bitDepth = bits, .lossless = lossless,
                 .orientation = orientation, .frames = frames};
    for (std::uint32_t y = 0; y < plan.height * static_cast<std::uint32_t>(frames); ++y) {
        auto& row = plan.rows.emplace_back();
        for (std::size_t i = 0; i < plan.width * channels; ++i)
            row.push_back(static_cast<std::uint16_t>((i * 29 + y * 71) % (1u << bits)));
    }
    return JxlFile(plan);
}

// Layout in fuzz_reduce.cpp: byte 0 width/depths, byte 1 dither/palette size.
File ReduceInput(std::uint8_t shape, std::uint8_t options, int count, int step)
{
    File input{shape, options};
    for (int i = 0; i < count; ++i)
        input.push_back(static_cast<std::uint8_t>(i * step));
    return input;
}

struct Seed {
    const char* target;
    const char* name;
    File (*make)();
};

const Seed kSeeds[] = {
    {"jpeg", "baseline444.jpg", [] { return Jpeg({}); }},
    {"jpeg", "progressive420.jpg", [] { return Jpeg({.fullChroma = false, .progressive = true}); }},
    {"jpeg", "grey.jpg", [] { return Jpeg({.grey = true}); }},
    {"jpeg", "cmyk.jpg", [] { return Jpeg({.cmyk = true}); }},
    {"jpeg", "cmyk-profile.jpg", [] { return Jpeg({.cmyk = true, .iccProfile = PlainInksProfile(3)}); }},
    {"jpeg", "grey-profile.jpg", [] { return Jpeg({.grey = true, .iccProfile = GreyProfile(1.8)}); }},
    {"jpeg", "exif-orientation6.jpg", [] { return Jpeg({.exifOrientation = 6}); }},

    {"png", "palette4-interlaced-trns.png", [] { return PngFile({9, 7, 3, 4, true, IndexRows(9, 7, 4), PatternPalette(16), {0, 128}, -1}); }},
    {"png", "grey2-trns.png", [] { return PngFile({9, 7, 0, 2, false, IndexRows(9, 7, 2), {}, {}, 1}); }},
    {"png", "rgba16.png", [] { return PngFile({5, 4, 6, 16, false, Rows(4, 40, 0x80), {}, {}, -1}); }},
    {"png", "rgb8-interlaced.png", [] { return PngFile({6, 5, 2, 8, true, Rows(5, 18, 0x31), {}, {}, -1}); }},

    {"gif", "frame-transparent-interlaced.gif", [] { return Gif(4, 3, true, false, 0); }},
    {"gif", "local-map.gif", [] { return Gif(8, -1, false, true, 0); }},
    {"gif", "code-size-12.gif", [] { return Gif(8, -1, false, true, 12); }},
    {"gif", "code-size-10.gif", [] { return Gif(8, -1, false, false, 10); }},

    {"tiff", "palette4-lzw.tif", PaletteTiff},
    {"tiff", "g4.tif", FaxTiff},
    {"tiff", "rgba-tiled-deflate.tif", [] {
         return Tiff({.width = 16, .height = 16, .samplesPerPixel = 4, .photometric = PHOTOMETRIC_RGB,
                      .compression = COMPRESSION_ADOBE_DEFLATE, .tileSize = 16, .alpha = EXTRASAMPLE_UNASSALPHA}, 0x44);
     }},
    {"tiff", "ycbcr-jpeg.tif", [] {
         return Tiff({.width = 16, .height = 16, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_YCBCR,
                      .compression = COMPRESSION_JPEG, .rowsPerStrip = 16}, 0x90);
     }},
    // Tiles and strips taller than the picture: their heights are what a
    // mutation turns into sizes near 2^32.
    {"tiff", "rgb-tall-tiles-deflate.tif", [] {
         return Tiff({.width = 20, .height = 9, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_RGB,
                      .compression = COMPRESSION_ADOBE_DEFLATE, .tileSize = 16, .tileHeight = 4096}, 0x5C);
     }},
    {"tiff", "rgb-tall-strip-deflate.tif", [] {
         return Tiff({.width = 20, .height = 9, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_RGB,
                      .compression = COMPRESSION_ADOBE_DEFLATE, .rowsPerStrip = 4096}, 0x5C);
     }},
    // Pages read sample by sample, a BigTIFF and a turned page.
    {"tiff", "rgba16-associated-planar-tiled.tif", [] {
         return Tiff({.width = 20, .height = 9, .bitsPerSample = 16, .samplesPerPixel = 4, .photometric = PHOTOMETRIC_RGB,
                      .compression = COMPRESSION_ADOBE_DEFLATE, .tileSize = 16, .alpha = EXTRASAMPLE_ASSOCALPHA,
                      .planar = true}, 0x61);
     }},
    {"tiff", "lab8-orientation6.tif", [] {
         return Tiff({.width = 6, .height = 4, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_CIELAB, .orientation = 6}, 0x9E);
     }},
    {"tiff", "grey12-lzw.tif", [] {
         return Tiff({.width = 10, .height = 5, .bitsPerSample = 12, .compression = COMPRESSION_LZW}, 0x3C);
     }},
    {"tiff", "grey16-signed-bigtiff.tif", [] {
         return Tiff({.width = 10, .height = 5, .bitsPerSample = 16, .compression = COMPRESSION_LZW,
                      .sampleFormat = SAMPLEFORMAT_INT, .bigTiff = true}, 0x83);
     }},
    {"tiff", "rgb-float32-predictor.tif", [] {
         return Tiff({.width = 8, .height = 3, .bitsPerSample = 32, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_RGB,
                      .compression = COMPRESSION_ADOBE_DEFLATE, .sampleFormat = SAMPLEFORMAT_IEEEFP,
                      .predictor = PREDICTOR_FLOATINGPOINT}, 0x3F);
     }},
    {"tiff", "rgb-lzma.tif", [] { return Tiff({.width = 8, .height = 4, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_RGB, .compression = COMPRESSION_LZMA}, 0x5A); }},
    {"tiff", "rgb-zstd.tif", [] { return Tiff({.width = 8, .height = 4, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_RGB, .compression = COMPRESSION_ZSTD}, 0x5A); }},
    {"tiff", "rgb-webp.tif", [] { return Tiff({.width = 8, .height = 4, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_RGB, .compression = COMPRESSION_WEBP}, 0x5A); }},

    {"bmp", "rle8.bmp", [] { return RleBmp(8, {3, 1, 0, 3, 2, 3, 4, 0, 0, 0, 0, 2, 2, 0, 2, 5, 0, 0, 6, 7, 0, 1}); }},
    {"bmp", "rle4.bmp", [] { return RleBmp(4, {5, 0x1F, 0, 0, 0, 3, 0x23, 0x40, 0, 0, 0, 1}); }},
    {"bmp", "v5-bitfields-topdown.bmp", [] {
         return BmpFile({.headerSize = 124, .width = 3, .height = -2, .bitsPerPixel = 16, .compression = 3,
                         .masks = {0xF800, 0x07E0, 0x001F, 0}, .pixels = std::vector<std::uint8_t>(16, 0xA5)});
     }},
    {"bmp", "core-1bit.bmp", [] {
         return BmpFile({.headerSize = 12, .width = 9, .height = 2, .bitsPerPixel = 1, .palette = GreyPalette(1),
                         .pixels = std::vector<std::uint8_t>(8, 0x5A)});
     }},

    {"pcx", "ega-4planes.pcx", [] {
         return PcxFile({.bitsPerPlane = 1, .planes = 4, .width = 11, .height = 3, .headerPalette = PatternPalette(16), .lines = Rows(3, 8, 0xC3)});
     }},
    {"pcx", "vga-256.pcx", [] { return PcxFile({.width = 7, .height = 3, .endPalette = PatternPalette(256), .lines = Rows(3, 8, 0x17)}); }},
    {"pcx", "rgb24.pcx", [] { return PcxFile({.planes = 3, .width = 5, .height = 2, .lines = Rows(2, 18, 0xE1)}); }},

    {"webp", "lossy.webp", [] { return Webp(false, false); }},
    {"webp", "lossy-alpha.webp", [] { return Webp(true, false); }},
    {"webp", "lossless.webp", [] { return Webp(false, true); }},
    {"webp", "lossless-alpha.webp", [] { return Webp(true, true); }},
    {"webp", "canvas-header.webp", [] { return WebpCanvasHeader(300, 200); }},
    {"webp", "animation.webp", [] {
         return AnimatedWebpFile({.width = 4, .height = 3, .lossless = true, .rows = Rows(3, 12, 0x6B)});
     }},

    {"heif", "hevc.heic", [] { return Heif(false, 8, false); }},
    {"heif", "hevc-10bit-alpha.heic", [] { return Heif(false, 10, true); }},
    {"heif", "hevc-turned.heic", [] { return Heif(false, 8, false, 6); }},
    {"avif", "av1.avif", [] { return Heif(true, 8, false); }},
    {"avif", "av1-10bit-alpha.avif", [] { return Heif(true, 10, true); }},
    {"avif", "av1-12bit-mirrored.avif", [] { return Heif(true, 12, false, 7); }},

    {"jxl", "lossless.jxl", [] { return Jxl(8, false, false, true); }},
    {"jxl", "lossy-alpha.jxl", [] { return Jxl(8, false, true, false); }},
    {"jxl", "grey-16bit-turned.jxl", [] { return Jxl(16, true, false, true, 6); }},
    {"jxl", "animation.jxl", [] { return Jxl(8, false, false, true, 1, 2); }},

    {"icc", "srgb.icc", SrgbProfile},
    {"icc", "adobe-rgb.icc", AdobeRgbProfile},
    {"icc", "grey.icc", [] { return GreyProfile(2.2); }},
    {"icc", "plain-inks.icc", [] { return PlainInksProfile(3); }},

    {"reduce", "bgr-to-8bit-dither.bin", [] { return ReduceInput(0x8F | 0x30, 0x01, 16 * 3 * 12, 37); }},
    {"reduce", "8bit-to-4bit.bin", [] { return ReduceInput(0x27 | 0x40, 0x1E, 16 * 3 + 8 * 6, 11); }},
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_corpus DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    for (const Seed& seed : kSeeds) {
        std::filesystem::create_directories(dir / seed.target);
        const File file = seed.make();
        std::ofstream out(dir / seed.target / seed.name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    }
    return 0;
}
