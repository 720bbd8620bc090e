// Pictures stored turned or mirrored are shown upright: a stored picture of
// six coloured blocks,  A B C  over  D E F,  must show the blocks as each
// orientation's row of the table says.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include <tiffio.h>

#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {
namespace {

constexpr std::uint32_t kBlock = 15;  // odd, so neighbouring 4-bit pixels in one byte may differ

struct Case {
    int orientation;
    std::vector<std::string> upright;  // rows of blocks as they must be shown
};

const Case kCases[] = {
    {1, {"ABC", "DEF"}},       {2, {"CBA", "FED"}},       {3, {"FED", "CBA"}},       {4, {"DEF", "ABC"}},
    {5, {"AD", "BE", "CF"}},  {6, {"DA", "EB", "FC"}},  {7, {"FC", "EB", "DA"}},  {8, {"CF", "BE", "AD"}},
};

const std::map<char, Colour> kBlockColours{{'A', {220, 30, 30}},  {'B', {30, 200, 30}},  {'C', {30, 30, 220}},
                                           {'D', {230, 230, 40}}, {'E', {200, 40, 200}}, {'F', {40, 210, 210}}};

RgbPicture Blocks(const std::vector<std::string>& rows)
{
    RgbPicture picture{static_cast<std::uint32_t>(rows[0].size()) * kBlock, static_cast<std::uint32_t>(rows.size()) * kBlock, {}};
    for (std::uint32_t y = 0; y < picture.height; ++y)
        for (std::uint32_t x = 0; x < picture.width; ++x)
            picture.pixels.push_back(kBlockColours.at(rows[y / kBlock][x / kBlock]));
    return picture;
}

File OrientedTiff(const RgbPicture& stored, int orientation)
{
    TiffPlan plan;
    plan.width = stored.width;
    plan.height = stored.height;
    plan.samplesPerPixel = 3;
    plan.photometric = PHOTOMETRIC_RGB;
    plan.orientation = orientation;
    for (std::uint32_t y = 0; y < stored.height; ++y) {
        std::vector<std::uint8_t>& row = plan.rows.emplace_back();
        for (std::uint32_t x = 0; x < stored.width; ++x)
            row.insert(row.end(), {stored.At(x, y).red, stored.At(x, y).green, stored.At(x, y).blue});
    }
    return TiffFile(plan);
}

// The same blocks as 4-bit palette indices, which share their bytes.
File OrientedPalettedTiff(const std::vector<std::string>& blocks, int orientation)
{
    TiffPlan plan;
    plan.width = static_cast<std::uint32_t>(blocks[0].size()) * kBlock;
    plan.height = static_cast<std::uint32_t>(blocks.size()) * kBlock;
    plan.bitsPerSample = 4;
    plan.photometric = PHOTOMETRIC_PALETTE;
    plan.orientation = orientation;
    plan.colourMap.assign(3 * 16, 0);
    for (const auto& [letter, colour] : kBlockColours) {
        const int index = letter - 'A';
        plan.colourMap[index] = static_cast<std::uint16_t>(colour.red * 257);
        plan.colourMap[16 + index] = static_cast<std::uint16_t>(colour.green * 257);
        plan.colourMap[32 + index] = static_cast<std::uint16_t>(colour.blue * 257);
    }
    for (std::uint32_t y = 0; y < plan.height; ++y) {
        std::vector<std::uint8_t> indices;
        for (std::uint32_t x = 0; x < plan.width; ++x)
            indices.push_back(static_cast<std::uint8_t>(blocks[y / kBlock][x / kBlock] - 'A'));
        plan.rows.push_back(PackRow(indices, 4));
    }
    return TiffFile(plan);
}

File OrientedJpeg(const RgbPicture& stored, int orientation)
{
    JpegOptions options;
    options.exifOrientation = orientation;
    return JpegFile(stored, options);
}

// Largest difference away from the blocks' edges, where JPEG blurs.
int BlockInsideDifference(const MemoryBitmap& bitmap, const RgbPicture& expected)
{
    int largest = 0;
    for (std::uint32_t y = 0; y < expected.height; ++y) {
        for (std::uint32_t x = 0; x < expected.width; ++x) {
            if (x % kBlock < 3 || x % kBlock > kBlock - 4 || y % kBlock < 3 || y % kBlock > kBlock - 4)
                continue;
            const Colour a = bitmap.PixelColour(x, y), b = expected.At(x, y);
            largest = std::max({largest, std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
        }
    }
    return largest;
}

TEST(Orientation, EveryTiffAndJpegOrientationIsShownUpright)
{
    const RgbPicture stored = Blocks({"ABC", "DEF"});
    for (const Case& c : kCases) {
        for (const std::string kind : {"TIFF", "paletted TIFF", "JPEG"}) {
            SCOPED_TRACE(testing::Message() << kind << " orientation " << c.orientation);
            const bool jpeg = kind == "JPEG";
            const File file = jpeg                       ? OrientedJpeg(stored, c.orientation)
                              : kind == "paletted TIFF" ? OrientedPalettedTiff({"ABC", "DEF"}, c.orientation)
                                                        : OrientedTiff(stored, c.orientation);
            const RgbPicture upright = Blocks(c.upright);
            const PictureInfo info = InfoOf(file);
            EXPECT_EQ(info.width, upright.width);
            EXPECT_EQ(info.height, upright.height);
            const Decoded decoded = DecodeFile(file);
            ASSERT_EQ(decoded.status, Status::Ok);
            ASSERT_EQ(decoded.bitmap.View().width, upright.width);
            if (jpeg)
                EXPECT_LE(BlockInsideDifference(decoded.bitmap, upright), 16);  // quality 95; a wrong block is 150 off
            else
                EXPECT_TRUE(ShowsPicture(decoded.bitmap, upright));
        }
    }
}

}  // namespace
}  // namespace picdec::samples
