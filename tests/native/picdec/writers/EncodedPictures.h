#pragma once
// Picture files written with the decoder libraries' own encoders, GIF files
// with an LZW encoder of their own, and WebP containers put together around
// libwebp's bitstreams.
// Every member of a plan has a default (`{}` at least), so designated
// initializers may name only the ones that matter.

#include <cstdint>
#include <vector>

#include "tests/native/picdec/writers/TestPictures.h"

namespace picdec::samples {

struct JpegOptions {
    int quality = 95;
    bool grey = false;
    bool fullChroma = true;  // 4:4:4, else 4:2:0
    bool progressive = false;
    bool cmyk = false;       // Adobe-style inverted CMYK
    bool adobeMarker = true;  // CMYK only: without Adobe's marker the inks are stored as they are
    bool ycck = false;        // CMYK only: stored as YCCK, as Adobe's programs do
    int exifOrientation = 0;  // 1 to 8 adds an Exif block with that orientation
    std::vector<std::uint8_t> iccProfile{};  // embedded in APP2 pieces of at most iccPieceBytes
    std::size_t iccPieceBytes = 65519;
};
File JpegFile(const RgbPicture& picture, const JpegOptions& options = {});

// Rows hold samples as PNG stores them (packed bits, 16-bit big-endian).
struct PngPlan {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int colourType = 2;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<std::vector<std::uint8_t>> rows{};
    Palette palette{};
    std::vector<std::uint8_t> paletteAlpha{};
    int transparentGrey = -1;
    std::vector<std::uint8_t> iccProfile{};  // an iCCP chunk
    double gamma = 0;                        // a gAMA chunk, unless 0
    std::vector<double> chromaticities{};    // a cHRM chunk: x, y of white, red, green, blue
    bool srgbChunk = false;
};
File PngFile(const PngPlan& plan);

struct GifPlan {
    int screenWidth = 0;
    int screenHeight = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int colourBits = 8;
    Palette palette{};
    std::vector<std::uint8_t> indices{};  // width * height, top row first
    int transparent = -1;
    int background = 0;
    bool interlaced = false;
    bool localColourMap = false;
    int lzwCodeSize = 0;  // 0: the usual minimum code size for the colour bits
};
File GifFile(const GifPlan& plan);

// Rows hold samples as libtiff takes them (packed bits, wider samples in
// native order), pixel by pixel; planar pages are split into planes on writing.
struct TiffPlan {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bitsPerSample = 8;
    int samplesPerPixel = 1;
    int photometric = 1;
    int compression = 1;
    std::uint32_t rowsPerStrip = 3;
    std::uint32_t tileSize = 0;    // 0: strips
    std::uint32_t tileHeight = 0;  // 0: square tiles
    int alpha = 0;  // 0: none, else its EXTRASAMPLE kind, the last sample
    bool unspecifiedExtraSample = false;  // the last sample is extra, of no declared kind
    int sampleFormat = 1;
    bool planar = false;
    int predictor = 1;
    int orientation = 1;
    bool bigTiff = false;
    int pages = 1;
    Palette palette{};
    std::vector<std::vector<std::uint8_t>> rows{};
    std::vector<std::uint8_t> rawTile{};  // if set, every tile's stored bytes, in place of the rows
    std::vector<std::uint8_t> iccProfile{};
};
File TiffFile(const TiffPlan& plan);

// Rows hold red, green, blue (and alpha) samples of 8 bits.
struct WebpPlan {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool alpha = false;
    bool lossless = false;
    int quality = 90;  // lossy only
    std::vector<std::vector<std::uint8_t>> rows{};
    std::vector<std::uint8_t> iccProfile{};  // an ICCP chunk (not for lossy pictures with alpha)
};
File WebpFile(const WebpPlan& plan);
// Opaque pictures as the frames of an animation on a canvas of the given
// size, each at its place (even numbers); or one picture as the one frame.
struct WebpFrame {
    WebpPlan plan;
    std::uint32_t left = 0;
    std::uint32_t top = 0;
};
File AnimatedWebpFile(const std::vector<WebpFrame>& frames, std::uint32_t canvasWidth, std::uint32_t canvasHeight);
File AnimatedWebpFile(const WebpPlan& frame);
// An extended header announcing a canvas of this size, and nothing after it.
File WebpCanvasHeader(std::uint32_t width, std::uint32_t height);

// Rows hold red, green, blue (and alpha) samples of bitDepth bits, one
// number each. HEVC is written by libheif with x265, AV1 by libavif with
// aom; lossless (AV1 only) keeps every sample.
struct HeifPlan {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool av1 = false;
    bool alpha = false;
    int bitDepth = 8;
    bool lossless = false;
    int quality = 90;  // lossy only
    int orientation = 1;  // numbered as in Exif, written as the turn and mirror properties
    std::vector<std::vector<std::uint16_t>> rows{};
    std::vector<std::uint8_t> iccProfile{};  // a colr property of the ICC kind
    int colourPrimaries = 2;                 // AV1 only: the nclx colr property's code points
    int transfer = 2;
};
File HeifFile(const HeifPlan& plan);

// Rows hold the samples of each frame (grey, or red, green, blue; then
// alpha) as numbers of bitDepth bits, frame after frame. Written by libjxl.
struct JxlPlan {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool grey = false;
    bool alpha = false;
    int bitDepth = 8;
    bool lossless = true;
    int orientation = 1;
    int frames = 1;  // more make an animation
    std::vector<std::vector<std::uint16_t>> rows{};
};
File JxlFile(const JxlPlan& plan);

}  // namespace picdec::samples
