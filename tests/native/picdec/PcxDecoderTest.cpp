#include <gtest/gtest.h>

#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

namespace picdec::samples {
namespace {

constexpr std::uint32_t kWidth = 11;  // odd: lines are padded to an even byte count
constexpr std::uint32_t kHeight = 4;

// Splits each pixel's index over the planes, bitsPerPlane bits per plane.
PcxSpec PlanarPcx(int bitsPerPlane, int planes)
{
    PcxSpec spec;
    spec.bitsPerPlane = bitsPerPlane;
    spec.planes = planes;
    spec.width = kWidth;
    spec.height = kHeight;
    const int colours = 1 << (bitsPerPlane * planes);
    const unsigned bytesPerLine = PcxBytesPerLine(spec);
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
        spec.lines.push_back(line);
    }
    return spec;
}

TEST(PcxDecoder, ReadsEveryPlaneAndBitCombinationWithTheHeaderPalette)
{
    const std::pair<int, int> layouts[] = {{2, 1}, {4, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 2}};
    for (const auto& [bits, planes] : layouts) {
        SCOPED_TRACE(testing::Message() << bits << " bits x " << planes << " planes");
        PcxSpec spec = PlanarPcx(bits, planes);
        spec.headerPalette = PatternPalette(16);
        const int colours = 1 << (bits * planes);
        Palette expectedPalette = spec.headerPalette;
        expectedPalette.resize(static_cast<std::size_t>(colours));
        const Decoded decoded = DecodeFile(PcxFile(spec));
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
    PcxSpec spec = PlanarPcx(8, 1);
    spec.endPalette = PatternPalette(256);
    const Decoded decoded = DecodeFile(PcxFile(spec));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 8);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, spec.endPalette)));
}

TEST(PcxDecoder, ShowsEightBitPicturesWithoutAPaletteInGrey)
{
    const Decoded decoded = DecodeFile(PcxFile(PlanarPcx(8, 1)));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, GreyPalette(8))));
}

PcxSpec TrueColourPcx(const RgbPicture& picture, int planes)
{
    PcxSpec spec;
    spec.planes = planes;
    spec.width = picture.width;
    spec.height = picture.height;
    const unsigned bytesPerLine = PcxBytesPerLine(spec);
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
        spec.lines.push_back(line);
    }
    return spec;
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
    PcxSpec spec;
    spec.width = 3;
    spec.height = 2;
    spec.bytesPerLine = 5;  // more padding than needed
    spec.endPalette = PatternPalette(256);
    File file = PcxFile(spec);
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
    PcxSpec spec = PlanarPcx(8, 1);
    spec.compressed = false;
    spec.endPalette = PatternPalette(256);
    const Decoded decoded = DecodeFile(PcxFile(spec));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, spec.endPalette)));
}

}  // namespace
}  // namespace picdec::samples
