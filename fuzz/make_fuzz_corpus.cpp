// Writes small seed files for every fuzz target:
//   make_fuzz_corpus DIR   ->   DIR/<target>/<name>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tests/native/picdec/writers/EncodedPictures.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

namespace {

using namespace picdec;
using namespace picdec::samples;

void Save(const std::filesystem::path& dir, const std::string& target, const std::string& name, const File& file)
{
    std::filesystem::create_directories(dir / target);
    std::ofstream out(dir / target / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
}

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

void JpegSeeds(const std::filesystem::path& dir)
{
    const RgbPicture picture = PatternPicture(16, 12);
    Save(dir, "jpeg", "baseline444.jpg", JpegFile(picture));
    JpegOptions options;
    options.fullChroma = false;
    options.progressive = true;
    Save(dir, "jpeg", "progressive420.jpg", JpegFile(picture, options));
    options = {};
    options.grey = true;
    Save(dir, "jpeg", "grey.jpg", JpegFile(picture, options));
    options = {};
    options.cmyk = true;
    Save(dir, "jpeg", "cmyk.jpg", JpegFile(picture, options));
    options = {};
    options.exifOrientation = 6;
    Save(dir, "jpeg", "exif-orientation6.jpg", JpegFile(picture, options));
}

void PngSeeds(const std::filesystem::path& dir)
{
    PngPlan palette{9, 7, 3, 4, true, IndexRows(9, 7, 4), PatternPalette(16), {0, 128}, -1};
    Save(dir, "png", "palette4-interlaced-trns.png", PngFile(palette));
    PngPlan grey{9, 7, 0, 2, false, IndexRows(9, 7, 2), {}, {}, 1};
    Save(dir, "png", "grey2-trns.png", PngFile(grey));
    PngPlan rgba{5, 4, 6, 16, false, std::vector<std::vector<std::uint8_t>>(4, std::vector<std::uint8_t>(40, 0x80)), {}, {}, -1};
    Save(dir, "png", "rgba16.png", PngFile(rgba));
    PngPlan rgb{6, 5, 2, 8, true, std::vector<std::vector<std::uint8_t>>(5, std::vector<std::uint8_t>(18, 0x31)), {}, {}, -1};
    Save(dir, "png", "rgb8-interlaced.png", PngFile(rgb));
}

void GifSeeds(const std::filesystem::path& dir)
{
    GifPlan plan;
    plan.screenWidth = 12;
    plan.screenHeight = 10;
    plan.left = 2;
    plan.top = 1;
    plan.width = 8;
    plan.height = 8;
    plan.colourBits = 4;
    plan.palette = PatternPalette(16);
    for (std::uint32_t i = 0; i < 64; ++i)
        plan.indices.push_back(PatternIndex(i % 8, i / 8, 16));
    plan.transparent = 3;
    plan.interlaced = true;
    Save(dir, "gif", "frame-transparent-interlaced.gif", GifFile(plan));
    plan.colourBits = 8;
    plan.palette = PatternPalette(256);
    plan.transparent = -1;
    plan.interlaced = false;
    plan.localColourMap = true;
    Save(dir, "gif", "local-map.gif", GifFile(plan));
    plan.lzwCodeSize = 12;
    Save(dir, "gif", "code-size-12.gif", GifFile(plan));
    plan.lzwCodeSize = 10;
    plan.localColourMap = false;
    Save(dir, "gif", "code-size-10.gif", GifFile(plan));
}

// Pages read sample by sample, a BigTIFF and a turned page.
void TiffVariantSeeds(const std::filesystem::path& dir)
{
    TiffPlan alpha;
    alpha.width = 20;
    alpha.height = 9;
    alpha.bitsPerSample = 16;
    alpha.samplesPerPixel = 4;
    alpha.photometric = 2;
    alpha.alpha = true;
    alpha.alphaKind = 1;  // associated
    alpha.planar = true;
    alpha.tileSize = 16;
    alpha.compression = 8;
    alpha.rows.assign(9, std::vector<std::uint8_t>(160, 0x61));
    Save(dir, "tiff", "rgba16-associated-planar-tiled.tif", TiffFile(alpha));
    TiffPlan lab;
    lab.width = 6;
    lab.height = 4;
    lab.samplesPerPixel = 3;
    lab.photometric = 8;
    lab.orientation = 6;
    lab.rows.assign(4, std::vector<std::uint8_t>(18, 0x9E));
    Save(dir, "tiff", "lab8-orientation6.tif", TiffFile(lab));
    TiffPlan grey;
    grey.width = 10;
    grey.height = 5;
    grey.bitsPerSample = 12;
    grey.compression = 5;
    grey.rows.assign(5, std::vector<std::uint8_t>(15, 0x3C));
    Save(dir, "tiff", "grey12-lzw.tif", TiffFile(grey));
    grey.bitsPerSample = 16;
    grey.sampleFormat = 2;
    grey.bigTiff = true;
    grey.rows.assign(5, std::vector<std::uint8_t>(20, 0x83));
    Save(dir, "tiff", "grey16-signed-bigtiff.tif", TiffFile(grey));
    TiffPlan floats;
    floats.width = 8;
    floats.height = 3;
    floats.bitsPerSample = 32;
    floats.samplesPerPixel = 3;
    floats.photometric = 2;
    floats.sampleFormat = 3;
    floats.predictor = 3;
    floats.compression = 8;
    floats.rows.assign(3, std::vector<std::uint8_t>(96, 0x3F));
    Save(dir, "tiff", "rgb-float32-predictor.tif", TiffFile(floats));
    TiffPlan packed;
    packed.width = 8;
    packed.height = 4;
    packed.samplesPerPixel = 3;
    packed.photometric = 2;
    packed.rows.assign(4, std::vector<std::uint8_t>(24, 0x5A));
    for (const auto& [compression, name] : {std::pair{34925, "rgb-lzma.tif"}, std::pair{50000, "rgb-zstd.tif"},
                                            std::pair{50001, "rgb-webp.tif"}}) {
        packed.compression = compression;
        Save(dir, "tiff", name, TiffFile(packed));
    }
}

void TiffSeeds(const std::filesystem::path& dir)
{
    TiffPlan plan;
    plan.width = 20;
    plan.height = 9;
    plan.bitsPerSample = 4;
    plan.photometric = 3;
    plan.compression = 5;
    plan.rows = IndexRows(20, 9, 4);
    for (int channel = 0; channel < 3; ++channel)
        for (int i = 0; i < 16; ++i)
            plan.colourMap.push_back(static_cast<std::uint16_t>(i * 4000 + channel * 100));
    Save(dir, "tiff", "palette4-lzw.tif", TiffFile(plan));
    plan.colourMap.clear();
    plan.bitsPerSample = 1;
    plan.photometric = 0;
    plan.compression = 4;
    plan.rows = IndexRows(20, 9, 1);
    Save(dir, "tiff", "g4.tif", TiffFile(plan));
    TiffPlan rgb;
    rgb.width = 16;
    rgb.height = 16;
    rgb.samplesPerPixel = 4;
    rgb.alpha = true;
    rgb.photometric = 2;
    rgb.compression = 8;
    rgb.tileSize = 16;
    rgb.rows.assign(16, std::vector<std::uint8_t>(64, 0x44));
    Save(dir, "tiff", "rgba-tiled-deflate.tif", TiffFile(rgb));
    rgb.samplesPerPixel = 3;
    rgb.alpha = false;
    rgb.tileSize = 0;
    rgb.photometric = 6;
    rgb.compression = 7;
    rgb.rowsPerStrip = 16;
    rgb.rows.assign(16, std::vector<std::uint8_t>(48, 0x90));
    Save(dir, "tiff", "ycbcr-jpeg.tif", TiffFile(rgb));
    // Tiles and strips taller than the picture: their heights are what a
    // mutation turns into sizes near 2^32.
    TiffPlan tall;
    tall.width = 20;
    tall.height = 9;
    tall.samplesPerPixel = 3;
    tall.photometric = 2;
    tall.compression = 8;
    tall.rows.assign(9, std::vector<std::uint8_t>(60, 0x5C));
    tall.tileSize = 16;
    tall.tileHeight = 4096;
    Save(dir, "tiff", "rgb-tall-tiles-deflate.tif", TiffFile(tall));
    tall.tileSize = 0;
    tall.rowsPerStrip = 4096;
    Save(dir, "tiff", "rgb-tall-strip-deflate.tif", TiffFile(tall));
    TiffVariantSeeds(dir);
}

void BmpSeeds(const std::filesystem::path& dir)
{
    BmpPlan rle8;
    rle8.width = 6;
    rle8.height = 3;
    rle8.bitsPerPixel = 8;
    rle8.compression = 1;
    rle8.coloursUsed = 8;
    rle8.palette = PatternPalette(8);
    rle8.pixels = {3, 1, 0, 3, 2, 3, 4, 0, 0, 0, 0, 2, 2, 0, 2, 5, 0, 0, 6, 7, 0, 1};
    Save(dir, "bmp", "rle8.bmp", BmpFile(rle8));
    BmpPlan rle4 = rle8;
    rle4.bitsPerPixel = 4;
    rle4.compression = 2;
    rle4.pixels = {5, 0x1F, 0, 0, 0, 3, 0x23, 0x40, 0, 0, 0, 1};
    Save(dir, "bmp", "rle4.bmp", BmpFile(rle4));
    BmpPlan fields;
    fields.headerSize = 124;
    fields.width = 3;
    fields.height = -2;
    fields.bitsPerPixel = 16;
    fields.compression = 3;
    fields.masks = {0xF800, 0x07E0, 0x001F, 0};
    fields.pixels.assign(16, 0xA5);
    Save(dir, "bmp", "v5-bitfields-topdown.bmp", BmpFile(fields));
    BmpPlan core;
    core.headerSize = 12;
    core.width = 9;
    core.height = 2;
    core.bitsPerPixel = 1;
    core.palette = GreyPalette(1);
    core.pixels.assign(8, 0x5A);
    Save(dir, "bmp", "core-1bit.bmp", BmpFile(core));
}

void PcxSeeds(const std::filesystem::path& dir)
{
    PcxPlan ega;
    ega.bitsPerPlane = 1;
    ega.planes = 4;
    ega.width = 11;
    ega.height = 3;
    ega.headerPalette = PatternPalette(16);
    ega.lines.assign(3, std::vector<std::uint8_t>(8, 0xC3));
    Save(dir, "pcx", "ega-4planes.pcx", PcxFile(ega));
    PcxPlan vga;
    vga.width = 7;
    vga.height = 3;
    vga.endPalette = PatternPalette(256);
    vga.lines.assign(3, std::vector<std::uint8_t>(8, 0x17));
    Save(dir, "pcx", "vga-256.pcx", PcxFile(vga));
    PcxPlan colour;
    colour.planes = 3;
    colour.width = 5;
    colour.height = 2;
    colour.lines.assign(2, std::vector<std::uint8_t>(18, 0xE1));
    Save(dir, "pcx", "rgb24.pcx", PcxFile(colour));
}

void ReduceSeeds(const std::filesystem::path& dir)
{
    // Layout in fuzz_reduce.cpp: byte 0 width/depths, byte 1 dither/palette size.
    File trueColourTo256{0x8F | 0x30, 0x01};
    for (int i = 0; i < 16 * 3 * 12; ++i)
        trueColourTo256.push_back(static_cast<std::uint8_t>(i * 37));
    Save(dir, "reduce", "bgr-to-8bit-dither.bin", trueColourTo256);
    File paletteTo1{0x27 | 0x40, 0x1E};
    for (int i = 0; i < 16 * 3 + 8 * 6; ++i)
        paletteTo1.push_back(static_cast<std::uint8_t>(i * 11));
    Save(dir, "reduce", "8bit-to-4bit.bin", paletteTo1);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_corpus DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    JpegSeeds(dir);
    PngSeeds(dir);
    GifSeeds(dir);
    TiffSeeds(dir);
    BmpSeeds(dir);
    PcxSeeds(dir);
    ReduceSeeds(dir);
    return 0;
}
