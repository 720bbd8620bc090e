// Pictures stored turned or mirrored are shown upright: a stored picture of
// six blocks,  A B C  over  D E F,  must show the blocks as each
// orientation's row of the table says, at every depth the picture is kept in.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include <tiffio.h>

#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {
namespace {

constexpr std::uint32_t kBlock = 15;  // odd, so blocks start inside the bytes of packed pixels

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

// Two colours still tell all eight apart: A and B dark, the rest light.
Colour BlockColour(char letter, int bits)
{
    if (bits == 1)
        return letter <= 'B' ? Colour{20, 20, 20} : Colour{240, 240, 240};
    return kBlockColours.at(letter);
}

RgbPicture Blocks(const std::vector<std::string>& rows, int bits)
{
    RgbPicture picture{static_cast<std::uint32_t>(rows[0].size()) * kBlock, static_cast<std::uint32_t>(rows.size()) * kBlock, {}};
    for (std::uint32_t y = 0; y < picture.height; ++y)
        for (std::uint32_t x = 0; x < picture.width; ++x)
            picture.pixels.push_back(BlockColour(rows[y / kBlock][x / kBlock], bits));
    return picture;
}

const std::vector<std::string> kStored{"ABC", "DEF"};

File OrientedRgbTiff(int orientation)
{
    const RgbPicture stored = Blocks(kStored, 24);
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

// The blocks as palette indices of 1, 4 or 8 bits; the smaller share bytes.
File OrientedPalettedTiff(int bits, int orientation)
{
    const RgbPicture stored = Blocks(kStored, bits);
    TiffPlan plan;
    plan.width = stored.width;
    plan.height = stored.height;
    plan.bitsPerSample = bits;
    plan.photometric = PHOTOMETRIC_PALETTE;
    plan.orientation = orientation;
    const std::size_t entries = std::size_t{1} << bits;
    plan.colourMap.assign(3 * entries, 0);
    std::vector<Colour> palette;
    for (const Colour colour : stored.pixels) {
        if (std::find(palette.begin(), palette.end(), colour) != palette.end())
            continue;
        const std::size_t index = palette.size();
        palette.push_back(colour);
        plan.colourMap[index] = static_cast<std::uint16_t>(colour.red * 257);
        plan.colourMap[entries + index] = static_cast<std::uint16_t>(colour.green * 257);
        plan.colourMap[2 * entries + index] = static_cast<std::uint16_t>(colour.blue * 257);
    }
    for (std::uint32_t y = 0; y < plan.height; ++y) {
        std::vector<std::uint8_t> indices;
        for (std::uint32_t x = 0; x < plan.width; ++x)
            indices.push_back(static_cast<std::uint8_t>(std::find(palette.begin(), palette.end(), stored.At(x, y)) - palette.begin()));
        plan.rows.push_back(PackRow(indices, bits));
    }
    return TiffFile(plan);
}

File OrientedJpeg(int orientation)
{
    JpegOptions options;
    options.exifOrientation = orientation;
    return JpegFile(Blocks(kStored, 24), options);
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

struct Kind {
    const char* name;
    int bits;  // 0: JPEG
};

const Kind kKinds[] = {{"RGB TIFF", 24}, {"1-bit TIFF", 1}, {"4-bit TIFF", 4}, {"8-bit TIFF", 8}, {"JPEG", 0}};

TEST(Orientation, EveryTiffAndJpegOrientationIsShownUpright)
{
    for (const Case& c : kCases) {
        for (const Kind& kind : kKinds) {
            SCOPED_TRACE(testing::Message() << kind.name << " orientation " << c.orientation);
            const File file = kind.bits == 0    ? OrientedJpeg(c.orientation)
                              : kind.bits == 24 ? OrientedRgbTiff(c.orientation)
                                                : OrientedPalettedTiff(kind.bits, c.orientation);
            const RgbPicture upright = Blocks(c.upright, kind.bits);
            const PictureInfo info = InfoOf(file);
            EXPECT_EQ(info.width, upright.width);
            EXPECT_EQ(info.height, upright.height);
            const Decoded decoded = DecodeFile(file);
            ASSERT_EQ(decoded.status, Status::Ok);
            ASSERT_EQ(decoded.bitmap.View().width, upright.width);
            if (kind.bits == 0)
                EXPECT_LE(BlockInsideDifference(decoded.bitmap, upright), 16);  // quality 95; a wrong block is 150 off
            else
                EXPECT_TRUE(ShowsPicture(decoded.bitmap, upright));
        }
    }
}

}  // namespace
}  // namespace picdec::samples
