// Pictures stored turned or mirrored are shown upright: a stored picture of
// six blocks,  A B C  over  D E F,  must show the blocks as each
// orientation's row of the table says, at every depth the picture is kept in.

#include <gtest/gtest.h>

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

const std::vector<std::string> kStored{"ABC", "DEF"};

// Blocks A to F in six colours; with two colours (A and B dark, the rest
// light) the eight orientations still differ.
std::vector<Colour> Colours(int bits)
{
    if (bits == 1)
        return {{20, 20, 20}, {240, 240, 240}};
    return {{220, 30, 30}, {30, 200, 30}, {30, 30, 220}, {230, 230, 40}, {200, 40, 200}, {40, 210, 210}};
}

std::uint8_t IndexOf(char block, int bits) { return static_cast<std::uint8_t>(bits == 1 ? block > 'B' : block - 'A'); }

RgbPicture Blocks(const std::vector<std::string>& rows, int bits)
{
    RgbPicture picture{static_cast<std::uint32_t>(rows[0].size()) * kBlock, static_cast<std::uint32_t>(rows.size()) * kBlock, {}};
    for (std::uint32_t y = 0; y < picture.height; ++y)
        for (std::uint32_t x = 0; x < picture.width; ++x)
            picture.pixels.push_back(Colours(bits)[IndexOf(rows[y / kBlock][x / kBlock], bits)]);
    return picture;
}

// RGB for 24 bits, else palette indices, which share bytes below 8 bits.
File OrientedTiff(int bits, int orientation)
{
    const RgbPicture stored = Blocks(kStored, bits);
    TiffPlan plan{.width = stored.width, .height = stored.height, .bitsPerSample = bits == 24 ? 8 : bits,
                  .samplesPerPixel = bits == 24 ? 3 : 1, .photometric = bits == 24 ? PHOTOMETRIC_RGB : PHOTOMETRIC_PALETTE,
                  .orientation = orientation, .rows = SampleRows(stored, "rgb")};
    if (bits == 24)
        return TiffFile(plan);
    Palette palette = Colours(bits);
    palette.resize(std::size_t{1} << bits);
    plan.colourMap = TiffColourMap(palette);
    for (std::uint32_t y = 0; y < plan.height; ++y) {
        std::vector<std::uint8_t> indices;
        for (std::uint32_t x = 0; x < plan.width; ++x)
            indices.push_back(IndexOf(kStored[y / kBlock][x / kBlock], bits));
        plan.rows[y] = PackRow(indices, bits);
    }
    return TiffFile(plan);
}

// Largest difference away from the blocks' edges, where JPEG blurs.
int BlockInsideDifference(const MemoryBitmap& bitmap, RgbPicture expected)
{
    RgbPicture shown = Shown(bitmap);
    for (std::size_t i = 0; i < shown.pixels.size(); ++i) {
        const std::size_t x = i % shown.width % kBlock, y = i / shown.width % kBlock;
        if (x < 3 || x > kBlock - 4 || y < 3 || y > kBlock - 4)
            shown.pixels[i] = expected.pixels[i];
    }
    return LargestDifference(shown, expected);
}

constexpr int kJpeg = 0;

TEST(Orientation, EveryTiffAndJpegOrientationIsShownUpright)
{
    for (const Case& c : kCases) {
        for (const int bits : {24, 1, 4, 8, kJpeg}) {
            SCOPED_TRACE(testing::Message() << (bits == kJpeg ? "JPEG" : "TIFF") << " of " << bits << " bits, orientation " << c.orientation);
            const File file = bits == kJpeg ? JpegFile(Blocks(kStored, 24), {.exifOrientation = c.orientation})
                                            : OrientedTiff(bits, c.orientation);
            const RgbPicture upright = Blocks(c.upright, bits == kJpeg ? 24 : bits);
            const PictureInfo info = InfoOf(file);
            EXPECT_EQ(info.width, upright.width);
            EXPECT_EQ(info.height, upright.height);
            const Decoded decoded = DecodeFile(file);
            ASSERT_EQ(decoded.status, Status::Ok);
            ASSERT_EQ(decoded.bitmap.View().width, upright.width);
            if (bits == kJpeg)
                EXPECT_LE(BlockInsideDifference(decoded.bitmap, upright), 16);  // quality 95; a wrong block is 150 off
            else
                EXPECT_TRUE(ShowsPicture(decoded.bitmap, upright));
        }
    }
}

}  // namespace
}  // namespace picdec::samples
