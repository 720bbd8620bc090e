#include <tuple>

#include <tiffio.h>

#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

// The width and height every decode test reads from the same information.
TEST(PictureInfo, DescribesEachFormatsFiles)
{
    const auto filled = [](std::size_t count, std::size_t bytes) { return Rows(count, Row(bytes, 9)); };
    struct Case { File file; std::string_view type; int factor1, factor2, paletteSize; std::string_view description; };
    const Case cases[] = {
        {JpegFile(GradientPicture(33, 17), {.fullChroma = false, .progressive = true}), "JPEG", 3, 8, 0,
         "Progressive 4:2:0"},
        {JpegFile(GradientPicture(8, 9), {.grey = true}), "JPEG", 1, 8, 0, "Baseline grey"},
        {PngFile({.width = 5, .height = 3, .colourType = 3, .bitDepth = 4, .interlaced = true, .rows = filled(3, 3),
                  .palette = PatternPalette(12)}), "PNG", 1, 4, 12, "Deflate, interlaced"},
        {PngFile({.width = 2, .height = 2, .colourType = 6, .bitDepth = 16, .rows = filled(2, 16)}), "PNG", 4, 8, 0,
         "Deflate"},
        {GifFile({.screenWidth = 6, .screenHeight = 4, .width = 6, .height = 4, .colourBits = 5,
                  .palette = PatternPalette(32), .indices = Row(24, 3), .interlaced = true}),
         "GIF", 1, 8, 32, "LZW, GIF89a, interlaced"},
        {TiffFile({.width = 10, .height = 4, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_RGB,
                   .compression = COMPRESSION_LZW, .pages = 3, .rows = filled(4, 30)}), "TIFF", 3, 8, 0, "LZW, 3 pages"},
        {BmpFile({.width = 3, .height = 2, .bitsPerPixel = 4, .compression = 2, .palette = PatternPalette(16),
                  .pixels = {0, 1}}), "BMP", 1, 4, 16, "RLE4, V3 header"},
        {BmpFile({.headerSize = 124, .width = 2, .height = 1, .bitsPerPixel = 16, .pixels = {0, 0, 0, 0}}), "BMP", 3, 8,
         0, "Uncompressed, V5 header"},
        {PcxFile({.bitsPerPlane = 1, .planes = 4, .width = 9, .height = 2, .lines = filled(2, 8)}), "PCX", 4, 1, 16,
         "RLE, version 5"},
        {PcxFile({.bitsPerPlane = 8, .planes = 3, .width = 9, .height = 2, .lines = filled(2, 30)}), "PCX", 3, 8, 0,
         "RLE, version 5"},
        {PcxFile({.bitsPerPlane = 1, .planes = 3, .width = 9, .height = 2, .lines = filled(2, 8)}), "PCX", 1, 4, 8,
         "RLE, version 5"},
        {WebpFile({.width = 6, .height = 5, .rows = filled(5, 18)}), "WEBP", 3, 8, 0, "Lossy"},
        {WebpFile({.width = 6, .height = 5, .alpha = true, .lossless = true, .rows = filled(5, 24)}), "WEBP", 4, 8, 0,
         "Lossless, alpha"},
        {WebpCanvasHeader(300, 200), "WEBP", 3, 8, 0, "Extended"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        PictureInfo info;
        ASSERT_EQ(ReadPictureInfo(c.file, info), Status::Ok);
        EXPECT_EQ(TypeTextOf(info.format), c.type);
        EXPECT_EQ(std::tuple(info.depthFactor1, info.depthFactor2, info.paletteSize),
                  std::tuple(c.factor1, c.factor2, c.paletteSize));
        EXPECT_EQ(info.description, c.description);
    }
}

TEST(PictureInfo, DetectsTheFormatByContentNotByTheCallersGuess)
{
    const File png = PngFile({.width = 1, .height = 1, .colourType = 0, .rows = {{0}}});
    PictureInfo info;
    EXPECT_EQ(ReadPictureInfo(png, info, PictureFormat::Jpeg), Status::WrongFormat);
    EXPECT_EQ(ReadPictureInfo(png, info, PictureFormat::Png), Status::Ok);
    EXPECT_EQ(ReadPictureInfo(File{'h', 'e', 'l', 'l', 'o'}, info), Status::UnknownFormat);
}

}  // namespace
}  // namespace picdec::samples
