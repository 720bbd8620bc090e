#include <gtest/gtest.h>

#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

namespace picdec::samples {
namespace {

constexpr std::uint32_t kWidth = 11;  // odd: lines are padded to an even byte count
constexpr std::uint32_t kHeight = 4;

// Splits each pixel's index over the planes, bitsPerPlane bits per plane.
PcxPlan PlanarPcx(int bitsPerPlane, int planes)
{
    PcxPlan plan;
    plan.bitsPerPlane = bitsPerPlane;
    plan.planes = planes;
    plan.width = kWidth;
    plan.height = kHeight;
    const int colours = 1 << (bitsPerPlane * planes);
    const unsigned bytesPerLine = PcxBytesPerLine(plan);
    for (std::uint32_t y = 0; y < kHeight; ++y) {
        std::vector<std::uint8_t> line;
        for (int plane = 0; plane < planes; ++plane) {
            std::vector<std::uint8_t> part;
            for (std::uint32_t x = 0; x < kWidth; ++x)
                part.push_back(static_cast<std::uint8_t>((PatternIndex(x, y, colours) >> (plane * bitsPerPlane)) &
                                                         ((1 << bitsPerPlane) - 1)));
            std::vector<std::uint8_t> packed = PackRow(part, bitsPerPlane);
            packed.resize(bytesPerLine, 0);
            line.insert(line.end(), packed.begin(), packed.end());
        }
        plan.lines.push_back(line);
    }
    return plan;
}

TEST(PcxDecoder, ReadsEveryPlaneAndBitCombinationWithTheHeaderPalette)
{
    const std::pair<int, int> layouts[] = {{2, 1}, {4, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 2}};
    for (const auto& [bits, planes] : layouts) {
        SCOPED_TRACE(testing::Message() << bits << " bits x " << planes << " planes");
        PcxPlan plan = PlanarPcx(bits, planes);
        plan.headerPalette = PatternPalette(16);
        const int colours = 1 << (bits * planes);
        Palette expectedPalette = plan.headerPalette;
        expectedPalette.resize(static_cast<std::size_t>(colours));
        const Decoded decoded = DecodeFile(PcxFile(plan));
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 4);
        EXPECT_EQ(decoded.bitmap.Colours(), expectedPalette);
        EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, expectedPalette)));
    }
}

TEST(PcxDecoder, ReadsMonochromeAsBlackAndWhite)
{
    const Decoded decoded = DecodeFile(PcxFile(PlanarPcx(1, 1)));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 1);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, GreyPalette(1))));
}

TEST(PcxDecoder, TakesTheTwoHundredFiftySixColourPaletteFromTheEnd)
{
    PcxPlan plan = PlanarPcx(8, 1);
    plan.endPalette = PatternPalette(256);
    const Decoded decoded = DecodeFile(PcxFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 8);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, plan.endPalette)));
}

TEST(PcxDecoder, ShowsEightBitPicturesWithoutAPaletteInGrey)
{
    const Decoded decoded = DecodeFile(PcxFile(PlanarPcx(8, 1)));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, GreyPalette(8))));
}

PcxPlan TrueColourPcx(const RgbPicture& picture, int planes)
{
    PcxPlan plan;
    plan.planes = planes;
    plan.width = picture.width;
    plan.height = picture.height;
    const unsigned bytesPerLine = PcxBytesPerLine(plan);
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        std::vector<std::uint8_t> line(bytesPerLine * static_cast<unsigned>(planes), 0);
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const Colour c = picture.At(x, y);
            line[x] = c.red;
            line[bytesPerLine + x] = c.green;
            line[2 * bytesPerLine + x] = c.blue;
            if (planes == 4)
                line[3 * bytesPerLine + x] = 0x80;
        }
        plan.lines.push_back(line);
    }
    return plan;
}

TEST(PcxDecoder, ReadsTwentyFourBitPicturesFromThreeOrFourPlanes)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    for (const int planes : {3, 4}) {
        const Decoded decoded = DecodeFile(PcxFile(TrueColourPcx(picture, planes)));
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
        EXPECT_TRUE(ShowsPicture(decoded.bitmap, picture));
    }
}

TEST(PcxDecoder, FollowsRunsThatCrossLineEndsAndWideLinePadding)
{
    PcxPlan plan;
    plan.width = 3;
    plan.height = 2;
    plan.bytesPerLine = 5;  // more padding than needed
    plan.endPalette = PatternPalette(256);
    File file = PcxFile(plan);
    const std::vector<std::uint8_t> runs = {0xC7, 9, 0xC3, 4};  // seven 9s span line 1 and part of line 2
    file.insert(file.begin() + 128, runs.begin(), runs.end());
    const Decoded decoded = DecodeFile(file);
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.PixelIndex(0, 0), 9);
    EXPECT_EQ(decoded.bitmap.PixelIndex(2, 0), 9);
    EXPECT_EQ(decoded.bitmap.PixelIndex(0, 1), 9);
    EXPECT_EQ(decoded.bitmap.PixelIndex(1, 1), 9);
    EXPECT_EQ(decoded.bitmap.PixelIndex(2, 1), 4);
}

TEST(PcxDecoder, ReadsUncompressedFiles)
{
    PcxPlan plan = PlanarPcx(8, 1);
    plan.compressed = false;
    plan.endPalette = PatternPalette(256);
    const Decoded decoded = DecodeFile(PcxFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, plan.endPalette)));
}

}  // namespace
}  // namespace picdec::samples
