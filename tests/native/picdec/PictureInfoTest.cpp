#include <gtest/gtest.h>

#include <tiffio.h>

#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/writers/EncodedPictures.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

namespace picdec::samples {
namespace {

struct Expected {
    std::string_view type;
    std::uint32_t width;
    std::uint32_t height;
    int factor1;
    int factor2;
    int paletteSize;
    std::string_view description;
};

void ExpectInfo(const File& file, const Expected& expected)
{
    const PictureInfo info = InfoOf(file);
    EXPECT_EQ(TypeTextOf(info.format), expected.type);
    EXPECT_EQ(info.width, expected.width);
    EXPECT_EQ(info.height, expected.height);
    EXPECT_EQ(info.depthFactor1, expected.factor1);
    EXPECT_EQ(info.depthFactor2, expected.factor2);
    EXPECT_EQ(info.paletteSize, expected.paletteSize);
    EXPECT_EQ(info.description, expected.description);
    EXPECT_LE(info.description.size(), 25u);
}

TEST(PictureInfo, DescribesJpegFiles)
{
    JpegOptions options;
    options.fullChroma = false;
    options.progressive = true;
    ExpectInfo(JpegFile(GradientPicture(33, 17), options), {"JPEG", 33, 17, 3, 8, 0, "Progressive 4:2:0"});
    options = {};
    options.grey = true;
    ExpectInfo(JpegFile(GradientPicture(8, 9), options), {"JPEG", 8, 9, 1, 8, 0, "Baseline grey"});
}

TEST(PictureInfo, DescribesPngFiles)
{
    PngPlan plan{5, 3, 3, 4, true, std::vector<std::vector<std::uint8_t>>(3, std::vector<std::uint8_t>(3, 0x12)),
                 PatternPalette(12), {}, -1};
    ExpectInfo(PngFile(plan), {"PNG", 5, 3, 1, 4, 12, "Deflate, interlaced"});
    PngPlan rgba{2, 2, 6, 16, false, std::vector<std::vector<std::uint8_t>>(2, std::vector<std::uint8_t>(16, 9)), {}, {}, -1};
    ExpectInfo(PngFile(rgba), {"PNG", 2, 2, 4, 8, 0, "Deflate"});
}

TEST(PictureInfo, DescribesGifFiles)
{
    GifPlan plan;
    plan.screenWidth = plan.width = 6;
    plan.screenHeight = plan.height = 4;
    plan.colourBits = 5;
    plan.palette = PatternPalette(32);
    plan.indices.assign(24, 3);
    plan.interlaced = true;
    ExpectInfo(GifFile(plan), {"GIF", 6, 4, 1, 8, 32, "LZW, GIF89a, interlaced"});
}

TEST(PictureInfo, DescribesTiffFilesWithTheirPageCount)
{
    TiffPlan plan;
    plan.width = 10;
    plan.height = 4;
    plan.samplesPerPixel = 3;
    plan.photometric = PHOTOMETRIC_RGB;
    plan.compression = COMPRESSION_LZW;
    plan.pages = 3;
    plan.rows.assign(4, std::vector<std::uint8_t>(30, 7));
    ExpectInfo(TiffFile(plan), {"TIFF", 10, 4, 3, 8, 0, "LZW, 3 pages"});
}

TEST(PictureInfo, DescribesBmpFiles)
{
    BmpPlan plan;
    plan.width = 3;
    plan.height = 2;
    plan.bitsPerPixel = 4;
    plan.compression = 2;
    plan.palette = PatternPalette(16);
    plan.pixels = {0, 1};
    ExpectInfo(BmpFile(plan), {"BMP", 3, 2, 1, 4, 16, "RLE4, V3 header"});
    BmpPlan sixteen;
    sixteen.headerSize = 124;
    sixteen.width = 2;
    sixteen.height = 1;
    sixteen.bitsPerPixel = 16;
    sixteen.pixels = {0, 0, 0, 0};
    ExpectInfo(BmpFile(sixteen), {"BMP", 2, 1, 3, 8, 0, "Uncompressed, V5 header"});
}

TEST(PictureInfo, DescribesPcxFilesByPlanesAndBits)
{
    PcxPlan ega;
    ega.bitsPerPlane = 1;
    ega.planes = 4;
    ega.width = 9;
    ega.height = 2;
    ega.lines.assign(2, std::vector<std::uint8_t>(8, 0));
    ExpectInfo(PcxFile(ega), {"PCX", 9, 2, 4, 1, 16, "RLE, version 5"});
    PcxPlan colour = ega;
    colour.bitsPerPlane = 8;
    colour.planes = 3;
    colour.lines.assign(2, std::vector<std::uint8_t>(30, 0));
    ExpectInfo(PcxFile(colour), {"PCX", 9, 2, 3, 8, 0, "RLE, version 5"});
    PcxPlan threePlanes = ega;
    threePlanes.planes = 3;
    ExpectInfo(PcxFile(threePlanes), {"PCX", 9, 2, 1, 4, 8, "RLE, version 5"});
}

TEST(PictureInfo, DetectsTheFormatByContentNotByTheCallersGuess)
{
    const File png = PngFile(PngPlan{1, 1, 0, 8, false, {{0}}, {}, {}, -1});
    PictureInfo info;
    EXPECT_EQ(ReadPictureInfo(png, info, PictureFormat::Jpeg), Status::WrongFormat);
    EXPECT_EQ(ReadPictureInfo(png, info, PictureFormat::Png), Status::Ok);
    EXPECT_EQ(ReadPictureInfo(File{'h', 'e', 'l', 'l', 'o'}, info), Status::UnknownFormat);
}

}  // namespace
}  // namespace picdec::samples
